// Sliding the main window out of sight at a frame edge and back. The state
// machine decides; the Win32 side runs the two timers it asks for and moves
// the window to the points it names.
#pragma once

#include <cstdint>
#include <optional>

#include "graphic/core/window_geometry.h"

namespace vrx {

// Edge of a hide or show movement.
enum class HideEdge : uint8_t { None = 0, Top = 1, Bottom = 2, Left = 3, Right = 4 };

// Which sides of the window lie exactly on the frame's sides.
struct EdgeContact {
  bool top = false;
  bool bottom = false;
  bool left = false;
  bool right = false;
  bool any() const { return top || bottom || left || right; }
};
EdgeContact Touching(const Rect& window, const Rect& frame);

// The edge a visible window hides at, and the edge a hidden window shows
// from. In a corner the window slides sideways only when taller than wide.
HideEdge HideDirection(const Rect& window, const Rect& frame, const WindowMetrics& m);
HideEdge ShowDirection(const Rect& window, const Rect& frame, const WindowMetrics& m);

// Where the movement along `edge` ends; the other coordinate stays.
Point HideTarget(HideEdge edge, Point from, const Rect& frame, const WindowMetrics& m);
Point ShowTarget(HideEdge edge, Point from, const Rect& frame, const WindowMetrics& m);

// One step from `from` toward `to`, never past it.
int32_t StepToward(int32_t from, int32_t to, int32_t step);

// Timer work and the window move that one event asks for. The check timer
// (500 ms) watches for the mouse leaving; the move timer (10 ms) slides.
struct HideActions {
  bool startCheck = false;
  bool stopCheck = false;
  bool startMove = false;
  bool stopMove = false;
  std::optional<Point> moveTo;
};

class AutoHide {
 public:
  // What the events look at, taken afresh by the caller for each one.
  struct View {
    Rect window;
    Rect frame;
    bool enabled = false;      // the module's hide flag
    bool foreground = false;   // the window is the foreground window
    bool mouseInside = false;  // the last mouse position lies in the window
  };

  static constexpr uint32_t kCheckPeriodMs = 500;
  static constexpr uint32_t kMovePeriodMs = 10;

  // After creation, a mouse move or a focus loss: watch for the mouse leaving
  // when the window sits at an edge (or is on its way back).
  HideActions Trigger(const View& v) const;
  // Check timer tick: start hiding once the mouse is gone.
  HideActions CheckTick(const View& v);
  // Mouse over the window or activation: slide back if hidden or hiding.
  HideActions StartShowing();
  // Move timer tick.
  HideActions MoveTick(const View& v, const WindowMetrics& m);
  // A drag ends any movement where it stands.
  HideActions DragStarted();
  // Window rebuilt: everything back to visible.
  void Reset() { *this = AutoHide(); }

  bool hidden() const { return hidden_; }
  bool hiding() const { return hiding_; }
  bool showing() const { return showing_; }
  HideEdge direction() const { return direction_; }

 private:
  bool hidden_ = false;
  bool hiding_ = false;
  bool showing_ = false;
  HideEdge direction_ = HideEdge::None;
};

}  // namespace vrx
