// A band slider of the equalizer panel (skin sections SldBand01 ...
// SldBand31): its thumb sets the gain of its group of bands, -100 % at the
// start of the path, flat in the middle, +400 % at the end. Dragging from
// one band slider across the others paints a curve: each takes the drag
// over as the mouse reaches it.
#pragma once

#include "graphic/panels/slider_win.h"

namespace vrx {

class BandSlider final : public Slider {
 public:
  // slider: 1 for SldBand01.
  BandSlider(uint32_t slider, const skin::SkinSliderRecord& record);
  ~BandSlider() override;

  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 protected:
  void ValueChanged() override;

 private:
  void ShowStoredGain();

  uint32_t slider_;
  UINT settingsMessage_;
};

}  // namespace vrx
