#include "graphic/panels/band_slider_win.h"

#include "graphic/core/control_table_win.h"
#include "graphic/core/engine_window_link_win.h"
#include "graphic/core/module_timers_win.h"
#include "graphic/panels/equalizer_link_win.h"

namespace vrx {
namespace {

// Whether the capture's holder is one of the band sliders.
bool BandSliderHolds(CaptureOwner::Token holder) {
  if (!holder) return false;
  for (int slot = skin::kSldBand01; slot < skin::kSldBand01 + skin::kBandSliders; ++slot)
    if (static_cast<const void*>(Controls().At(slot)) == holder) return true;
  return false;
}

}  // namespace

BandSlider::BandSlider(uint32_t slider, const skin::SkinSliderRecord& record)
    : Slider(record), slider_(slider), settingsMessage_(EqualizerSettingsMessage()) {
  Equalizer().Load();
  ShowStoredGain();
}

BandSlider::~BandSlider() { Equalizer().Unload(); }

void BandSlider::ShowStoredGain() {
  const BandValue v = Equalizer().GetBand(slider_);
  SetValue(v.min, v.max, v.position);
}

void BandSlider::ValueChanged() {
  const SliderValue v = Value();
  // A slider that cannot move says nothing, so a click on it leaves its
  // bands as they are.
  if (!v.Movable()) return;
  Equalizer().SetBand(slider_, {v.min, v.max, v.position});
  EngineWindowLink().Post(settingsMessage_);
}

bool BandSlider::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_MOUSEMOVE) {
    // The holder's move goes on to the other band sliders, so that the one
    // under the mouse can take the drag over.
    if (Dragging()) {
      Slider::HandleMessage(message, wParam, lParam, result);
      return false;
    }
    const CaptureOwner::Token holder = Capture().Current();
    if (holder && holder != this && BandSliderHolds(holder))
      return Slider::HandleMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParam, result);
    return false;
  }
  if (message == settingsMessage_ && settingsMessage_ != 0) {
    ShowStoredGain();
    return false;
  }
  return Slider::HandleMessage(message, wParam, lParam, result);
}

}  // namespace vrx
