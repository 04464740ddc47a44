#include "graphic/core/step_button_win.h"

#include "auxui/kv_aux.h"
#include "graphic/core/engine_window_link_win.h"
#include "host/engine_messages.h"

namespace vrx {
namespace {
constexpr size_t kStationTextSize = 272;
}

const char* StepButton::TooltipText() {
  StationInfo station{};
  if (!EngineWindowLink().AskStation(next_ ? engine::kNextStationInfo : engine::kPreviousStationInfo, station))
    return nullptr;
  char text[kStationTextSize] = {};
  KvAuxStation(station.frequency, station.name, text);
  tip_ = text;
  return tip_.c_str();
}

void StepButton::Action() { EngineWindowLink().Post(next_ ? engine::kNextStation : engine::kPreviousStation); }

}  // namespace vrx
