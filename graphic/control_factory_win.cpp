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
#include "graphic/core/step_button_win.h"
#include "graphic/core/topmost_button_win.h"
#include "graphic/panels/band_slider_win.h"
#include "graphic/panels/equalizer_button_win.h"
#include "graphic/panels/record_display_win.h"
#include "graphic/panels/spectrum_view_win.h"
#include "graphic/panels/station_display_win.h"
#include "graphic/panels/station_list_view_win.h"
#include "graphic/panels/stereo_indicator_win.h"
#include "graphic/panels/time_display_win.h"
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
  // Every slot has its control class; a slot whose section the skin lacks
  // or gets wrong stays empty (the station display always exists).
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
    case skin::kSldTimeShift:
      return std::make_unique<TimeShiftSlider>(Module().skin.Slider(slot));
    case skin::kList:
      return std::make_unique<StationListView>(Module().skin.list);
    case skin::kInfoStation: {
      const skin::SkinDescription& skin = Module().skin;
      return std::make_unique<StationDisplay>(
          skin.station, StationSections{skin.station.moreInfo, skin.present[skin::kInfoTime],
                                        skin.present[skin::kInfoRecord]});
    }
    case skin::kInfoTime:
      return std::make_unique<TimeDisplay>(Module().skin.time);
    case skin::kInfoRecord:
      return std::make_unique<RecordDisplay>(Module().skin.recording);
    case skin::kIndicatorStereo:
      return std::make_unique<StereoIndicator>(Module().skin.stereo);
    case skin::kSpectrum:
      return std::make_unique<SpectrumView>(Module().skin.spectrum);
    default:
      return nullptr;
  }
}

}  // namespace vrx
