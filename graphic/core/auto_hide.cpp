#include "graphic/core/auto_hide.h"

namespace vrx {
namespace {

// Adds the sideways choice to the vertical one: a side replaces a vertical
// edge only for a window taller than wide.
HideEdge WithSide(HideEdge vertical, bool left, bool right, const WindowMetrics& m) {
  const bool sideways = m.height > m.width || vertical == HideEdge::None;
  if (left) return sideways ? HideEdge::Left : vertical;
  if (right) return sideways ? HideEdge::Right : vertical;
  return vertical;
}

}  // namespace

EdgeContact Touching(const Rect& window, const Rect& frame) {
  return {window.top == frame.top, window.bottom == frame.bottom, window.left == frame.left,
          window.right == frame.right};
}

HideEdge HideDirection(const Rect& window, const Rect& frame, const WindowMetrics& m) {
  const EdgeContact c = Touching(window, frame);
  const HideEdge vertical = c.top ? HideEdge::Top : c.bottom ? HideEdge::Bottom : HideEdge::None;
  return WithSide(vertical, c.left, c.right, m);
}

HideEdge ShowDirection(const Rect& window, const Rect& frame, const WindowMetrics& m) {
  const auto hidden = [&](HideEdge e) { return HideTarget(e, {}, frame, m); };
  const HideEdge vertical = window.top == hidden(HideEdge::Top).y      ? HideEdge::Top
                            : window.top == hidden(HideEdge::Bottom).y ? HideEdge::Bottom
                                                                       : HideEdge::None;
  const bool left = window.left == hidden(HideEdge::Left).x;
  const bool right = !left && window.left == hidden(HideEdge::Right).x;
  return WithSide(vertical, left, right, m);
}

Point HideTarget(HideEdge edge, Point from, const Rect& frame, const WindowMetrics& m) {
  switch (edge) {
    case HideEdge::Top: return {from.x, Held(int64_t{frame.top} + m.minVisibleBottom - m.height)};
    case HideEdge::Bottom: return {from.x, Held(int64_t{frame.bottom} - m.minVisibleTop)};
    case HideEdge::Left: return {Held(int64_t{frame.left} + m.minVisibleRight - m.width), from.y};
    case HideEdge::Right: return {Held(int64_t{frame.right} - m.minVisibleLeft), from.y};
    case HideEdge::None: break;
  }
  return from;
}

Point ShowTarget(HideEdge edge, Point from, const Rect& frame, const WindowMetrics& m) {
  switch (edge) {
    case HideEdge::Top: return {from.x, frame.top};
    case HideEdge::Bottom: return {from.x, Held(int64_t{frame.bottom} - m.height)};
    case HideEdge::Left: return {frame.left, from.y};
    case HideEdge::Right: return {Held(int64_t{frame.right} - m.width), from.y};
    case HideEdge::None: break;
  }
  return from;
}

int32_t StepToward(int32_t from, int32_t to, int32_t step) {
  if (from < to) return int64_t{to} - from > step ? from + step : to;
  if (from > to) return int64_t{from} - to > step ? from - step : to;
  return to;
}

HideActions AutoHide::Trigger(const View& v) const {
  HideActions a;
  if (!hidden_ && !hiding_ && v.enabled && (Touching(v.window, v.frame).any() || showing_))
    a.startCheck = true;
  return a;
}

HideActions AutoHide::CheckTick(const View& v) {
  HideActions a;
  if (v.foreground || hidden_ || hiding_) {
    a.stopCheck = true;
    return a;
  }
  if (v.mouseInside || showing_) return a;  // look again at the next tick
  a.stopCheck = true;
  if (Touching(v.window, v.frame).any()) {
    hiding_ = true;
    a.startMove = true;
  }
  return a;
}

HideActions AutoHide::StartShowing() {
  HideActions a;
  if (showing_ || !(hidden_ || hiding_)) return a;
  hidden_ = false;
  hiding_ = false;
  showing_ = true;
  a.startMove = true;
  return a;
}

HideActions AutoHide::MoveTick(const View& v, const WindowMetrics& m) {
  HideActions a;
  if (!hiding_ && !showing_) {
    direction_ = HideEdge::None;
    a.stopMove = true;
    return a;
  }
  if (direction_ == HideEdge::None)
    direction_ = hiding_ ? HideDirection(v.window, v.frame, m) : ShowDirection(v.window, v.frame, m);
  if (direction_ == HideEdge::None) {
    hiding_ = false;
    showing_ = false;
    a.stopMove = true;
    return a;
  }
  const Point from{v.window.left, v.window.top};
  const Point target = hiding_ ? HideTarget(direction_, from, v.frame, m)
                               : ShowTarget(direction_, from, v.frame, m);
  const Point next{StepToward(from.x, target.x, m.hidingSpeedDX),
                   StepToward(from.y, target.y, m.hidingSpeedDY)};
  a.moveTo = next;
  if (next == target) {
    if (showing_) a.startCheck = true;
    hidden_ = hiding_;
    direction_ = HideEdge::None;
    hiding_ = false;
    showing_ = false;
    a.stopMove = true;
  }
  return a;
}

HideActions AutoHide::DragStarted() {
  HideActions a;
  // The movement's edge goes too: the next hide may start at another edge,
  // and a kept edge would slide the window across the screen to the old one.
  direction_ = HideEdge::None;
  hiding_ = false;
  showing_ = false;
  a.stopMove = true;
  return a;
}

}  // namespace vrx
