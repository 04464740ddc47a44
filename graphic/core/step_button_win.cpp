#include "graphic/core/step_button_win.h"

#include "graphic/core/engine_window_link_win.h"
#include "host/engine_messages.h"

namespace vrx {
const char* StepButton::TooltipText() {
  StationInfo station{};
  if (!EngineWindowLink().AskStation(next_ ? engine::kNextStationInfo : engine::kPreviousStationInfo, station))
    return nullptr;
  tip_ = StationText(station);
  return tip_.c_str();
}

void StepButton::Action() { EngineWindowLink().Send(next_ ? engine::kNextStation : engine::kPreviousStation); }

}  // namespace vrx
