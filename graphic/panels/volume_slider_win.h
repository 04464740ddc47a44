// A volume slider: one sound line's volume 0 ... 100. It asks the engine at
// creation, follows its notices and posts the volume on every step of a
// drag, at its end and after a cancel.
#pragma once

#include "graphic/panels/slider_win.h"
#include "graphic/panels/volume_lines.h"

namespace vrx {

class VolumeSlider final : public Slider {
 public:
  VolumeSlider(const VolumeLine& line, const skin::SkinSliderRecord& record);

  const char* TooltipText() override { return tip_; }
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 protected:
  void ValueChanged() override;

 private:
  const VolumeLine& line_;
  const char* tip_;
};

}  // namespace vrx
