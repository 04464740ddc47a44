// The time-shift slider: the delay behind live sound within the engine's
// time-shift buffer, sent when a drag ends. While it is dragged its tooltip
// follows the mouse with the time of day of the sound under the thumb.
#pragma once

#include <string>

#include <optional>

#include "graphic/panels/slider_win.h"

namespace vrx {

class TimeShiftSlider final : public Slider {
 public:
  explicit TimeShiftSlider(const skin::SkinSliderRecord& record);

  int HoverState() override;
  const char* TooltipText() override;
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 protected:
  void ValueChanged() override;

 private:
  // The range from the buffer's length and the thumb at the engine's delay.
  void Refresh();
  // The delay the thumb stands for in a buffer of the engine's length;
  // none for a slider that cannot move.
  std::optional<uint32_t> Delay() const;

  const char* tip_;
  std::string clock_;
};

}  // namespace vrx
