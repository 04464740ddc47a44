// The base of every slider: a thumb picture from the skin dragged along a
// straight path drawn into the background. It reports a position in pixels
// with its range; the variants (volume, time shift, equalizer band) turn
// that into what the engine needs in ValueChanged.
#pragma once

#include <windows.h>

#include <cstdint>

#include "graphic/core/skin_control_win.h"
#include "graphic/core/skin_records.h"
#include "graphic/panels/slider_geometry.h"

namespace vrx {

class Slider : public SkinControl {
 public:
  // Report the value only when a drag ends (not on every move).
  static constexpr uint32_t kReportAtEnd = 0x4;

  // From the slot's record; extraFlags adds kReportAtEnd. The thumb starts
  // at the start of the path.
  explicit Slider(const skin::SkinSliderRecord& record, uint32_t extraFlags = 0);

  // 0 while dragging; otherwise whether the mouse hits the slider.
  int HoverState() override;
  void Paint(HDC dc) override;
  // The base behaviour; a variant calls Slider::HandleMessage for it. A
  // WM_LBUTTONDOWN handed in while another control holds the capture takes
  // the press over when the last mouse position hits this slider.
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

  // (min, max, position) in pixels along the main axis.
  SliderValue Value() const { return model_.Value(); }
  // Places the thumb for v within min ... max; while dragging only replaces
  // the value a cancel returns to.
  void SetValue(int32_t min, int32_t max, int32_t v);
  // This slider holds the module's mouse capture (its token is `this`).
  bool Dragging() const;
  // The module's last mouse position hits the path or the thumb.
  bool Hit() const;

 protected:
  // The value moved by the user: on every step of a drag (unless
  // kReportAtEnd), at its end, and after a cancel (unless kReportAtEnd).
  virtual void ValueChanged() = 0;

 private:
  Point Mouse() const;
  void ShowThumb();
  void EndDrag(bool cancelled);

  skin::SkinSliderRecord record_;
  uint32_t flags_;
  SliderModel model_;
  Point shown_;  // where the thumb was last drawn
  // Escape or the right button ended this slider's drag: the slider stays
  // busy for that message, so it goes to no other control (Escape also
  // closes the module).
  bool tookCancel_ = false;
};

}  // namespace vrx
