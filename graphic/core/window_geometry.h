// Geometry of the main window: where it opens, how much of it stays on the
// screen, and how a drag sticks to the frame's edges. Plain arithmetic on
// screen rectangles; the Win32 side supplies the frame (the screen or the
// work area) and moves the window and the cursor to the results.
#pragma once

#include <cstdint>
#include <optional>

namespace vrx {

struct Point {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  int32_t width() const { return right - left; }
  int32_t height() const { return bottom - top; }
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// The skin's window size and the strips that stay visible at the edges.
// MinVisibleRight is kept at the left edge and MinVisibleLeft at the right
// edge (the part of the window's right or left side that remains showing).
struct WindowMetrics {
  int32_t width = 0;
  int32_t height = 0;
  int32_t minVisibleLeft = 10;
  int32_t minVisibleRight = 10;
  int32_t minVisibleTop = 10;
  int32_t minVisibleBottom = 10;
  int32_t hidingSpeedDX = 10;
  int32_t hidingSpeedDY = 10;
};

// A 64-bit sum held at the nearest end of the 32-bit range. A skin's size
// has no upper bound, so sums of a position and a size are made in 64 bits.
constexpr int32_t Held(int64_t v) {
  return v < INT32_MIN ? INT32_MIN : v > INT32_MAX ? INT32_MAX : static_cast<int32_t>(v);
}

// A window opened without a usable stored place: 100 pixels left of the
// frame's right side and 50 below its top.
Point DefaultPlace(const Rect& frame, const WindowMetrics& m);

// Whether a window at p keeps its minimum strips on the frame.
bool KeepsVisible(Point p, const Rect& frame, const WindowMetrics& m);

// The stored place when both values exist and keep the window visible,
// else the default place.
Point InitialPlace(std::optional<int32_t> x, std::optional<int32_t> y, const Rect& frame,
                   const WindowMetrics& m);

// Moves p just far enough that the minimum strips stay on the frame.
Point ClampVisible(Point p, const Rect& frame, const WindowMetrics& m);

// Distance within which a dragged window sticks to an edge, and the pull
// that tears it loose again.
inline constexpr int32_t kSnapDistance = 10;

// One sticky edge e for the coordinate p. A stuck coordinate stays on the
// edge while the pull collects the mouse's movement away from it; once the
// pull reaches the distance, p lands that far beyond the edge and comes
// loose. A loose coordinate closer than the distance gets stuck. Returns
// whether the edge holds p.
bool StickToEdge(int32_t edge, bool& stuck, int32_t& pull, int32_t& p,
                 int32_t distance = kSnapDistance);

// Which frame edges a drag is stuck to, and the pull per axis.
struct SnapState {
  bool left = false;
  bool right = false;
  bool top = false;
  bool bottom = false;
  int32_t pullX = 0;
  int32_t pullY = 0;
};

// Snaps the top-left corner p of a window to the frame's edges.
void SnapToFrame(Point& p, const Rect& frame, const WindowMetrics& m, SnapState& s);

// One step of a drag: the window's screen rectangle, the client point where
// the drag began and the client point of the mouse now.
struct DragMove {
  Point window;            // new top-left corner
  bool moveWindow = false; // differs from the current one
  bool moveCursor = false; // the rules moved the window away from the mouse
  Point cursor;            // screen point that keeps the grab point under the cursor
};
DragMove DragStep(const Rect& window, Point grab, Point mouse, const Rect& frame,
                  const WindowMetrics& m, bool snapping, SnapState& s);

}  // namespace vrx
