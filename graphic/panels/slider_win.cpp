#include "graphic/panels/slider_win.h"

#include "graphic/core/bitmap_control_win.h"
#include "graphic/core/control_table_win.h"
#include "graphic/core/module_state_win.h"
#include "graphic/core/module_timers_win.h"

namespace vrx {

Slider::Slider(const skin::SkinSliderRecord& record, uint32_t extraFlags)
    : record_(record), flags_(record.flags | extraFlags), model_(record), shown_(model_.Thumb()) {
  // The control covers the thumb's whole travel, which may stand out of a
  // path thinner than the thumb, so that every place it leaves is repainted.
  const vrx::Rect bounds = model_.geometry().Bounds();
  x = bounds.left;
  y = bounds.top;
  width = bounds.width();
  height = bounds.height();
}

bool Slider::Dragging() const { return Capture().Current() == this; }

Point Slider::Mouse() const {
  const POINT p = Controls().ToControl(*this);
  return {p.x + x, p.y + y};
}

bool Slider::Hit() const {
  const HDC skin = Module().skinDc();
  return HitSlider(model_, record_, Mouse(), [skin](int32_t px, int32_t py) { return SkinRedAt(skin, px, py); });
}

int Slider::HoverState() {
  if (Dragging() || tookCancel_) return kHoverNone;
  return Hit() ? kHoverTip : kHoverNone;
}

void Slider::Paint(HDC dc) {
  const Point at = model_.Thumb();
  POINT old{};
  OffsetViewportOrgEx(dc, at.x - x, at.y - y, &old);
  std::optional<POINT> mask;
  if (flags_ & skin::kSliderThumbMask) mask = POINT{record_.maskX, record_.maskY};
  DrawSkinImage(dc, Module().skinDc(), record_.thumbWidth, record_.thumbHeight, record_.thumbX, record_.thumbY,
                mask);
  SetViewportOrgEx(dc, old.x, old.y, nullptr);
  shown_ = at;
}

void Slider::ShowThumb() {
  if (model_.Thumb() == shown_) return;
  Controls().Invalidate(*this);
}

void Slider::SetValue(int32_t min, int32_t max, int32_t v) {
  model_.SetValue({min, max, v}, Dragging());
  ShowThumb();
}

void Slider::EndDrag(bool cancelled) {
  Capture().Capture(this, false);
  if (cancelled) {
    model_.Cancel();
    ShowThumb();
    if (flags_ & kReportAtEnd) return;
  }
  ValueChanged();
}

bool Slider::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  tookCancel_ = false;
  switch (message) {
    case WM_LBUTTONDOWN:
      if (!Hit()) return false;
      model_.Press(Mouse());
      Capture().Capture(this, true);
      // Through the (virtual) handler, so that a variant sees the first step.
      HandleMessage(WM_MOUSEMOVE, wParam, lParam, result);
      return true;
    case WM_MOUSEMOVE:
      if (!Dragging()) return false;
      model_.DragTo(Mouse());
      ShowThumb();
      if (!(flags_ & kReportAtEnd)) ValueChanged();
      return true;
    case WM_LBUTTONUP:
      if (!Dragging()) return false;
      EndDrag(false);
      return true;
    case WM_CANCELMODE:
      if (Dragging()) EndDrag(true);
      return false;
    case WM_CAPTURECHANGED:
      // The drag ends as cancelled; our own release has cleared the owner already.
      if (Capture().TakenAway(lParam) && Capture().LastOwner() == this) EndDrag(true);
      return false;
    case WM_KEYDOWN:
    case WM_RBUTTONDOWN:
      if ((message == WM_KEYDOWN && wParam != VK_ESCAPE) || !Dragging()) return false;
      HandleMessage(WM_CANCELMODE, 0, 0, result);
      tookCancel_ = true;
      return true;
    case WM_SETCURSOR:
      if (!Dragging() && !Hit()) return false;
      ShowHandCursor();
      *result = 1;
      return true;
    default:
      return false;
  }
}

}  // namespace vrx
