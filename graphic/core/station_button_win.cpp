#include "graphic/core/station_button_win.h"

#include "auxui/kv_aux.h"
#include "graphic/core/command_line.h"
#include "graphic/core/control_table_win.h"
#include "graphic/core/engine_window_link_win.h"
#include "graphic/core/module_state_win.h"
#include "host/engine_messages.h"

namespace vrx {
namespace {

constexpr size_t kFrequencyTextSize = 32;

bool AskPreset(uint32_t preset, StationInfo& station) {
  station = StationInfo{};
  station.number = preset;
  return EngineWindowLink().AskStation(engine::kStationByPreset, station);
}

}  // namespace

uint32_t StationButton::ShiftedPreset() const {
  return static_cast<uint32_t>(preset_ + Module().skin.StationButtonCount());
}

bool StationButton::Init(int slot) {
  if (!LabelButton::Init(slot)) return false;
  MakeLabel();
  return true;
}

void StationButton::MakeLabel() {
  StationInfo station;
  label_.clear();
  if (AskPreset(static_cast<uint32_t>(preset_), station)) {
    char text[kFrequencyTextSize] = {};
    KvAuxFreq2Text(station.frequency, text);
    label_ = text;
  }
}

const char* StationButton::TooltipText() {
  StationInfo first, second;
  if (!AskPreset(static_cast<uint32_t>(preset_), first)) return nullptr;
  tip_ = StationText(first);
  if (AskPreset(ShiftedPreset(), second)) tip_ = TwoActionText(tip_, StationText(second));
  return tip_.c_str();
}

bool StationButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == engine::kSettingsChanged) {
    MakeLabel();
    Controls().Invalidate(*this);
  }
  return LabelButton::HandleMessage(message, wParam, lParam, result);
}

void StationButton::Action() {
  EngineWindowLink().Send(engine::kSelectPreset, ShiftHeld() ? ShiftedPreset() : static_cast<uint32_t>(preset_));
}

}  // namespace vrx
