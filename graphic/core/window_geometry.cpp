#include "graphic/core/window_geometry.h"

namespace vrx {

Point DefaultPlace(const Rect& frame, const WindowMetrics& m) {
  return {Held(int64_t{frame.right} - m.width - 100), Held(int64_t{frame.top} + 50)};
}

bool KeepsVisible(Point p, const Rect& frame, const WindowMetrics& m) {
  // Stored places come from the settings and may be anything: 64 bits keep
  // the sums from overflowing.
  const int64_t x = p.x, y = p.y;
  return x + m.width >= int64_t{frame.left} + m.minVisibleRight &&
         int64_t{frame.right} - x >= m.minVisibleLeft &&
         y + m.height >= int64_t{frame.top} + m.minVisibleTop &&
         int64_t{frame.bottom} - y >= m.minVisibleBottom;
}

Point InitialPlace(std::optional<int32_t> x, std::optional<int32_t> y, const Rect& frame,
                   const WindowMetrics& m) {
  if (x && y && KeepsVisible({*x, *y}, frame, m)) return {*x, *y};
  return DefaultPlace(frame, m);
}

Point ClampVisible(Point p, const Rect& frame, const WindowMetrics& m) {
  const int64_t x = p.x, y = p.y;
  if (x + m.width < int64_t{frame.left} + m.minVisibleRight)
    p.x = Held(int64_t{frame.left} + m.minVisibleRight - m.width);
  else if (int64_t{frame.right} - x < m.minVisibleLeft)
    p.x = Held(int64_t{frame.right} - m.minVisibleLeft);
  if (y + m.height < int64_t{frame.top} + m.minVisibleTop)
    p.y = Held(int64_t{frame.top} + m.minVisibleTop - m.height);
  else if (int64_t{frame.bottom} - y < m.minVisibleBottom)
    p.y = Held(int64_t{frame.bottom} - m.minVisibleBottom);
  return p;
}

bool StickToEdge(int32_t edge, bool& stuck, int32_t& pull, int32_t& p, int32_t distance) {
  if (stuck) {
    const int64_t t = int64_t{p} - edge;
    if ((t < 0 && pull > 0) || (t > 0 && pull < 0)) pull = 0;  // a turn starts a new pull
    pull = Held(pull + t);
    p = edge;
    if (pull >= distance || pull <= -distance) {
      p = Held(t < 0 ? int64_t{edge} - distance : int64_t{edge} + distance);
      stuck = false;
    }
    return true;
  }
  if (int64_t{edge} - distance < p && p < int64_t{edge} + distance) {
    p = edge;
    stuck = true;
    pull = 0;
    return true;
  }
  return false;
}

void SnapToFrame(Point& p, const Rect& frame, const WindowMetrics& m, SnapState& s) {
  if (StickToEdge(frame.left, s.left, s.pullX, p.x))
    s.right = false;
  else if (StickToEdge(Held(int64_t{frame.right} - m.width), s.right, s.pullX, p.x))
    s.left = false;
  if (StickToEdge(frame.top, s.top, s.pullY, p.y))
    s.bottom = false;
  else if (StickToEdge(Held(int64_t{frame.bottom} - m.height), s.bottom, s.pullY, p.y))
    s.top = false;
}

DragMove DragStep(const Rect& window, Point grab, Point mouse, const Rect& frame,
                  const WindowMetrics& m, bool snapping, SnapState& s) {
  const Point free{Held(int64_t{window.left} + mouse.x - grab.x), Held(int64_t{window.top} + mouse.y - grab.y)};
  Point p = ClampVisible(free, frame, m);
  if (snapping) SnapToFrame(p, frame, m, s);
  DragMove move;
  move.window = p;
  move.moveCursor = p != free;
  move.cursor = {Held(int64_t{grab.x} + p.x), Held(int64_t{grab.y} + p.y)};
  move.moveWindow = p != Point{window.left, window.top};
  return move;
}

}  // namespace vrx
