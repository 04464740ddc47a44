#include "graphic/control_factory_win.h"

#include "graphic/core/engine_toggle_button_win.h"
#include "graphic/core/exit_button_win.h"
#include "graphic/core/help_button_win.h"
#include "graphic/core/launch_button_win.h"
#include "graphic/core/minimize_button_win.h"
#include "graphic/core/module_state_win.h"
#include "graphic/core/settings_button_win.h"
#include "graphic/core/skin_records.h"
#include "graphic/core/station_button_win.h"
#include "graphic/core/station_display_win.h"
#include "graphic/core/step_button_win.h"
#include "graphic/core/topmost_button_win.h"
#include "graphic/panels/band_slider_win.h"
#include "graphic/panels/equalizer_button_win.h"
#include "graphic/panels/spectrum_view_win.h"
#include "graphic/panels/time_shift_slider_win.h"
#include "graphic/panels/volume_slider_win.h"

namespace vrx {
namespace {

template <class Button, class... Args>
std::unique_ptr<SkinControl> MakeButton(int slot, Args&&... args) {
  auto button = std::make_unique<Button>(std::forward<Args>(args)...);
  if (!button->Init(slot)) return nullptr;
  return button;
}

}  // namespace

std::unique_ptr<SkinControl> MakeControl(int slot) {
  // The station list (72) and the displays (74-76) join here as their
  // classes are built; until then their slots stay empty. The station
  // display (73) only takes keys and the wheel so far.
  if (const EngineToggle* toggle = ToggleOf(slot)) return MakeButton<EngineToggleButton>(slot, *toggle);
  if (slot >= skin::kBtnStation1 && slot < skin::kBtnStation1 + skin::kStationButtons)
    return MakeButton<StationButton>(slot, slot - skin::kBtnStation1 + 1);
  if (const VolumeLine* line = VolumeLineOf(slot))
    return std::make_unique<VolumeSlider>(*line, Module().skin.Slider(slot));
  if (slot >= skin::kSldBand01 && slot < skin::kSldBand01 + skin::kBandSliders)
    return std::make_unique<BandSlider>(slot - skin::kSldBand01 + 1, Module().skin.Slider(slot));
  switch (slot) {
    case skin::kBtnExit:
      return MakeButton<ExitButton>(slot, ExitButton::kExit);
    case skin::kBtnCloseGUI:
      return MakeButton<ExitButton>(slot, ExitButton::kClose);
    case skin::kBtnSetup:
      return MakeButton<SettingsButton>(slot);
    case skin::kBtnMinimize:
      return MakeButton<MinimizeButton>(slot);
    case skin::kBtnTopmost:
      return MakeButton<TopmostButton>(slot);
    case skin::kBtnGUI:
      return MakeButton<LaunchButton>(slot, LaunchButton::kAlternativeModule);
    case skin::kBtnApp:
      return MakeButton<LaunchButton>(slot, LaunchButton::kExternalApplication);
    case skin::kBtnGUIApp:
      return MakeButton<LaunchButton>(slot, LaunchButton::kEither);
    case skin::kBtnHelp:
      return MakeButton<HelpButton>(slot);
    case skin::kBtnPrevious:
      return MakeButton<StepButton>(slot, false);
    case skin::kBtnNext:
      return MakeButton<StepButton>(slot, true);
    case skin::kBtnEqualizer:
      return MakeButton<EqualizerButton>(slot);
    case skin::kInfoStation:
      return std::make_unique<StationDisplay>();
    case skin::kSldTimeShift:
      return std::make_unique<TimeShiftSlider>(Module().skin.Slider(slot));
    case skin::kSpectrum:
      return std::make_unique<SpectrumView>(Module().skin.spectrum);
    default:
      return nullptr;
  }
}

}  // namespace vrx
