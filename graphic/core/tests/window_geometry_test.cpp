#include "graphic/core/window_geometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace vrx {
namespace {

const Rect kFrame{0, 0, 1280, 770};  // a work area above a 30-pixel task bar

WindowMetrics Skin(int32_t w = 300, int32_t h = 120) {
  WindowMetrics m;
  m.width = w;
  m.height = h;
  m.minVisibleLeft = 11;
  m.minVisibleRight = 12;
  m.minVisibleTop = 13;
  m.minVisibleBottom = 14;
  return m;
}

TEST(WindowPlace, DefaultAndStoredPlaces) {
  const WindowMetrics m = Skin();
  EXPECT_EQ(DefaultPlace(kFrame, m), (Point{1280 - 300 - 100, 50}));
  EXPECT_EQ(DefaultPlace(Rect{-1280, 20, 0, 800}, m), (Point{-400, 70}));  // a frame off the origin

  EXPECT_EQ(InitialPlace(100, 200, kFrame, m), (Point{100, 200}));
  EXPECT_EQ(InitialPlace(std::nullopt, 200, kFrame, m), DefaultPlace(kFrame, m));
  EXPECT_EQ(InitialPlace(100, std::nullopt, kFrame, m), DefaultPlace(kFrame, m));

  // Each edge exactly at its limit is kept, one pixel further is not.
  EXPECT_EQ(InitialPlace(12 - 300, 0, kFrame, m), (Point{-288, 0}));
  EXPECT_EQ(InitialPlace(11 - 300, 0, kFrame, m), DefaultPlace(kFrame, m));
  EXPECT_EQ(InitialPlace(1280 - 11, 0, kFrame, m), (Point{1269, 0}));
  EXPECT_EQ(InitialPlace(1280 - 10, 0, kFrame, m), DefaultPlace(kFrame, m));
  EXPECT_EQ(InitialPlace(0, 13 - 120, kFrame, m), (Point{0, -107}));
  EXPECT_EQ(InitialPlace(0, 12 - 120, kFrame, m), DefaultPlace(kFrame, m));
  EXPECT_EQ(InitialPlace(0, 770 - 14, kFrame, m), (Point{0, 756}));
  EXPECT_EQ(InitialPlace(0, 770 - 13, kFrame, m), DefaultPlace(kFrame, m));
}

TEST(WindowPlace, ExtremeStoredValuesDoNotWrap) {
  const WindowMetrics m = Skin();
  EXPECT_EQ(InitialPlace(INT32_MAX, 0, kFrame, m), DefaultPlace(kFrame, m));
  EXPECT_EQ(InitialPlace(INT32_MIN, 0, kFrame, m), DefaultPlace(kFrame, m));
  EXPECT_EQ(InitialPlace(0, INT32_MAX, kFrame, m), DefaultPlace(kFrame, m));
  EXPECT_EQ(InitialPlace(0, INT32_MIN, kFrame, m), DefaultPlace(kFrame, m));
}

TEST(WindowPlace, ClampKeepsTheStripsAtEachEdge) {
  const WindowMetrics m = Skin();
  EXPECT_EQ(ClampVisible({-1000, 300}, kFrame, m), (Point{12 - 300, 300}));   // left: MinVisibleRight
  EXPECT_EQ(ClampVisible({5000, 300}, kFrame, m), (Point{1280 - 11, 300}));   // right: MinVisibleLeft
  EXPECT_EQ(ClampVisible({100, -1000}, kFrame, m), (Point{100, 13 - 120}));   // top: MinVisibleTop
  EXPECT_EQ(ClampVisible({100, 5000}, kFrame, m), (Point{100, 770 - 14}));    // bottom: MinVisibleBottom
  EXPECT_EQ(ClampVisible({-1000, -1000}, kFrame, m), (Point{-288, -107}));
  EXPECT_EQ(ClampVisible({-288, 756}, kFrame, m), (Point{-288, 756}));  // at the limits: untouched
}

// The skin's Width and Height have no upper bound: positions plus sizes
// must not wrap, wherever the window or the frame lies.
TEST(WindowPlace, SkinsOfAnySizeDoNotWrap) {
  const WindowMetrics huge = Skin(INT32_MAX, INT32_MAX);
  const Rect leftScreen{-1280, -200, 0, 800};  // a monitor left of the main one
  const struct {
    Rect frame;
    Point in;
    Point out;
  } rows[] = {
      {kFrame, {100, 100}, {100, 100}},
      {kFrame, {5000, 5000}, {1280 - 11, 770 - 14}},
      {leftScreen, {INT32_MIN, INT32_MIN}, {INT32_MIN, INT32_MIN}},
      {leftScreen, {INT32_MAX, INT32_MAX}, {-11, 800 - 14}},
  };
  for (const auto& r : rows)
    EXPECT_EQ(ClampVisible(r.in, r.frame, huge), r.out) << r.in.x << "," << r.in.y;

  EXPECT_EQ(DefaultPlace(leftScreen, huge), (Point{INT32_MIN, -150}));  // held at the end of the range

  SnapState s;
  const DragMove d = DragStep(Rect{100, 100, 32867, 32867}, {0, 0}, {50, 50}, kFrame, huge, true, s);
  EXPECT_EQ(d.window, (Point{150, 150}));
  EXPECT_FALSE(d.moveCursor);
}

TEST(StickyEdge, SticksWithinNinePixelsAndLetsGoAfterTenOfPull) {
  bool stuck = false;
  int32_t pull = 0;
  int32_t p = 110;
  EXPECT_FALSE(StickToEdge(100, stuck, pull, p));  // 10 away: free
  EXPECT_EQ(p, 110);
  p = 109;
  EXPECT_TRUE(StickToEdge(100, stuck, pull, p));
  EXPECT_TRUE(stuck);
  EXPECT_EQ(p, 100);
  p = 90;  // 10 away on the other side: free as well
  stuck = false;
  EXPECT_FALSE(StickToEdge(100, stuck, pull, p));
  EXPECT_EQ(p, 90);
  p = 91;  // 9 away: sticks
  EXPECT_TRUE(StickToEdge(100, stuck, pull, p));
  EXPECT_EQ(p, 100);

  // Pulling away in steps: held until the pull reaches 10, then 10 off.
  for (int i = 0; i < 3; ++i) {
    p = 103;
    EXPECT_TRUE(StickToEdge(100, stuck, pull, p));
    EXPECT_EQ(p, 100);
    EXPECT_TRUE(stuck);
  }
  EXPECT_EQ(pull, 9);
  p = 101;
  EXPECT_TRUE(StickToEdge(100, stuck, pull, p));
  EXPECT_FALSE(stuck);
  EXPECT_EQ(p, 110);
}

TEST(StickyEdge, TurningBackStartsThePullAnew) {
  bool stuck = true;
  int32_t pull = 0;
  int32_t p = 108;
  StickToEdge(100, stuck, pull, p);
  EXPECT_EQ(pull, 8);
  p = 97;  // turn: the pull starts again from this move
  StickToEdge(100, stuck, pull, p);
  EXPECT_EQ(pull, -3);
  EXPECT_TRUE(stuck);
  p = 93;
  StickToEdge(100, stuck, pull, p);
  EXPECT_FALSE(stuck);
  EXPECT_EQ(p, 90);  // loose on the side it was pulled to
  p = 100;
  EXPECT_TRUE(StickToEdge(100, stuck, pull, p));  // back into reach: sticks again
  EXPECT_TRUE(stuck);
}

TEST(DragStep, FollowsTheMouseAndKeepsTheGrabPointUnderIt) {
  const WindowMetrics m = Skin();
  SnapState s;
  const Rect window{400, 300, 700, 420};
  const DragMove plain = DragStep(window, {20, 30}, {25, 10}, kFrame, m, false, s);
  EXPECT_EQ(plain.window, (Point{405, 280}));
  EXPECT_TRUE(plain.moveWindow);
  EXPECT_FALSE(plain.moveCursor);

  const DragMove still = DragStep(window, {20, 30}, {20, 30}, kFrame, m, true, s);
  EXPECT_FALSE(still.moveWindow);

  // Past the left edge the window stops with MinVisibleRight showing and the
  // cursor is brought back to the grab point.
  const DragMove clamped = DragStep(window, {20, 30}, {-2000, 30}, kFrame, m, false, s);
  EXPECT_EQ(clamped.window, (Point{12 - 300, 300}));
  EXPECT_TRUE(clamped.moveCursor);
  EXPECT_EQ(clamped.cursor, (Point{20 - 288, 330}));
}

TEST(DragStep, SnapsToEachEdgeAndShiftCanTurnItOff) {
  const WindowMetrics m = Skin();
  SnapState s;
  // 7 pixels from the left edge: snapping pulls it on, the cursor follows.
  DragMove d = DragStep(Rect{50, 300, 350, 420}, {10, 10}, {-33, 10}, kFrame, m, true, s);
  EXPECT_EQ(d.window, (Point{0, 300}));
  EXPECT_TRUE(s.left);
  EXPECT_TRUE(d.moveCursor);
  EXPECT_EQ(d.cursor, (Point{10, 310}));
  // Without snapping the same move lands where the mouse says.
  SnapState off;
  d = DragStep(Rect{50, 300, 350, 420}, {10, 10}, {-33, 10}, kFrame, m, false, off);
  EXPECT_EQ(d.window, (Point{7, 300}));
  EXPECT_FALSE(off.left);

  // Right and bottom edges are the frame's minus the window's size.
  SnapState c;
  d = DragStep(Rect{970, 640, 1270, 760}, {0, 0}, {5, 5}, kFrame, m, true, c);
  EXPECT_EQ(d.window, (Point{980, 650}));
  EXPECT_TRUE(c.right);
  EXPECT_TRUE(c.bottom);
  EXPECT_FALSE(c.left);
  EXPECT_FALSE(c.top);

  // Stuck to the top, a drag along the edge keeps y while x moves freely.
  SnapState t;
  d = DragStep(Rect{400, 4, 700, 124}, {0, 0}, {0, 0}, kFrame, m, true, t);
  EXPECT_EQ(d.window, (Point{400, 0}));
  d = DragStep(Rect{400, 0, 700, 120}, {0, 0}, {50, 4}, kFrame, m, true, t);
  EXPECT_EQ(d.window, (Point{450, 0}));
  d = DragStep(Rect{450, 0, 750, 120}, {0, 0}, {0, 6}, kFrame, m, true, t);
  EXPECT_EQ(d.window, (Point{450, 10}));  // pulled 10 down in all: loose, 10 off
  EXPECT_FALSE(t.top);
}

TEST(DragStep, WithBothSidesInReachTheLeftWins) {
  WindowMetrics m = Skin(1275, 100);  // almost as wide as the frame: both sides within reach
  SnapState s;
  DragMove d = DragStep(Rect{2, 300, 1277, 400}, {0, 0}, {0, 0}, kFrame, m, true, s);
  EXPECT_EQ(d.window.x, 0);  // the left edge is tried first
  EXPECT_TRUE(s.left);
  EXPECT_FALSE(s.right);
}

}  // namespace
}  // namespace vrx
