#include "graphic/core/auto_hide.h"

#include <gtest/gtest.h>

namespace vrx {
namespace {

const Rect kFrame{0, 0, 1280, 770};

WindowMetrics Skin(int32_t w, int32_t h) {
  WindowMetrics m;
  m.width = w;
  m.height = h;
  m.minVisibleLeft = 11;
  m.minVisibleRight = 12;
  m.minVisibleTop = 13;
  m.minVisibleBottom = 14;
  m.hidingSpeedDX = 7;
  m.hidingSpeedDY = 9;
  return m;
}

Rect At(Point p, const WindowMetrics& m) { return {p.x, p.y, p.x + m.width, p.y + m.height}; }

TEST(HideDirection, EdgesAndCorners) {
  const WindowMetrics wide = Skin(300, 100), tall = Skin(100, 300);
  EXPECT_EQ(HideDirection(At({400, 0}, wide), kFrame, wide), HideEdge::Top);
  EXPECT_EQ(HideDirection(At({400, 670}, wide), kFrame, wide), HideEdge::Bottom);
  EXPECT_EQ(HideDirection(At({0, 300}, wide), kFrame, wide), HideEdge::Left);
  EXPECT_EQ(HideDirection(At({980, 300}, wide), kFrame, wide), HideEdge::Right);
  EXPECT_EQ(HideDirection(At({1, 1}, wide), kFrame, wide), HideEdge::None);
  // Corners: wider than tall hides up or down, taller than wide sideways.
  EXPECT_EQ(HideDirection(At({0, 0}, wide), kFrame, wide), HideEdge::Top);
  EXPECT_EQ(HideDirection(At({0, 0}, tall), kFrame, tall), HideEdge::Left);
  EXPECT_EQ(HideDirection(At({980, 670}, wide), kFrame, wide), HideEdge::Bottom);
  EXPECT_EQ(HideDirection(At({1180, 470}, tall), kFrame, tall), HideEdge::Right);
  const WindowMetrics square = Skin(200, 200);
  EXPECT_EQ(HideDirection(At({0, 0}, square), kFrame, square), HideEdge::Top);
}

TEST(HideDirection, ShowFromEachHiddenPlace) {
  const WindowMetrics wide = Skin(300, 100), tall = Skin(100, 300);
  EXPECT_EQ(ShowDirection(At({400, 14 - 100}, wide), kFrame, wide), HideEdge::Top);
  EXPECT_EQ(ShowDirection(At({400, 770 - 13}, wide), kFrame, wide), HideEdge::Bottom);
  EXPECT_EQ(ShowDirection(At({12 - 300, 300}, wide), kFrame, wide), HideEdge::Left);
  EXPECT_EQ(ShowDirection(At({1280 - 11, 300}, wide), kFrame, wide), HideEdge::Right);
  EXPECT_EQ(ShowDirection(At({12 - 100, 14 - 300}, tall), kFrame, tall), HideEdge::Left);
  EXPECT_EQ(ShowDirection(At({400, 300}, wide), kFrame, wide), HideEdge::None);
}

TEST(HideTargets, EachEdgeHidesToItsStripAndShowsFlush) {
  const WindowMetrics m = Skin(300, 100);
  const Point from{400, 300};
  EXPECT_EQ(HideTarget(HideEdge::Top, from, kFrame, m), (Point{400, 14 - 100}));   // MinVisibleBottom shows
  EXPECT_EQ(HideTarget(HideEdge::Bottom, from, kFrame, m), (Point{400, 770 - 13})); // MinVisibleTop shows
  EXPECT_EQ(HideTarget(HideEdge::Left, from, kFrame, m), (Point{12 - 300, 300}));
  EXPECT_EQ(HideTarget(HideEdge::Right, from, kFrame, m), (Point{1280 - 11, 300}));
  EXPECT_EQ(ShowTarget(HideEdge::Top, from, kFrame, m), (Point{400, 0}));
  EXPECT_EQ(ShowTarget(HideEdge::Bottom, from, kFrame, m), (Point{400, 670}));
  EXPECT_EQ(ShowTarget(HideEdge::Left, from, kFrame, m), (Point{0, 300}));
  EXPECT_EQ(ShowTarget(HideEdge::Right, from, kFrame, m), (Point{980, 300}));
  EXPECT_EQ(StepToward(0, 25, 10), 10);
  EXPECT_EQ(StepToward(20, 25, 10), 25);
  EXPECT_EQ(StepToward(25, 0, 10), 15);
  EXPECT_EQ(StepToward(5, 0, 10), 0);
}

// Runs the movement timer until the machine stops it, moving the window as
// asked; returns the tops visited.
std::vector<int32_t> Slide(AutoHide& h, AutoHide::View& v, const WindowMetrics& m) {
  std::vector<int32_t> tops;
  for (int i = 0; i < 1000; ++i) {
    const HideActions a = h.MoveTick(v, m);
    if (a.moveTo) {
      v.window = At(*a.moveTo, m);
      tops.push_back(a.moveTo->y);
    }
    if (a.stopMove) return tops;
  }
  ADD_FAILURE() << "the movement never ended";
  return tops;
}

// Skins of any size on a frame off the origin: the hidden places lie below
// the 32-bit range and are held at its end, and the steps toward them do
// not wrap.
TEST(HideTargets, SkinsOfAnySizeDoNotWrap) {
  const WindowMetrics huge = Skin(INT32_MAX, INT32_MAX);
  const Rect leftScreen{-1280, -200, 0, 800};
  const Point from{-500, 100};
  EXPECT_EQ(HideTarget(HideEdge::Left, from, leftScreen, huge), (Point{INT32_MIN, 100}));
  EXPECT_EQ(HideTarget(HideEdge::Top, from, leftScreen, huge), (Point{-500, INT32_MIN}));
  EXPECT_EQ(ShowTarget(HideEdge::Right, from, leftScreen, huge), (Point{-INT32_MAX, 100}));
  EXPECT_EQ(ShowDirection(At({INT32_MIN, 100}, Skin(300, 100)), leftScreen, huge), HideEdge::Left);
  EXPECT_EQ(StepToward(100, INT32_MIN, 7), 93);
  EXPECT_EQ(StepToward(INT32_MIN, INT32_MAX, 7), INT32_MIN + 7);
}

TEST(AutoHide, TopEdgeHidesInStepsAndShowsAgain) {
  const WindowMetrics m = Skin(300, 40);
  AutoHide h;
  AutoHide::View v{At({400, 0}, m), kFrame, true, false, true};
  EXPECT_TRUE(h.Trigger(v).startCheck);
  EXPECT_FALSE(h.CheckTick(v).stopCheck);  // mouse still inside: keep looking
  v.mouseInside = false;
  HideActions a = h.CheckTick(v);
  EXPECT_TRUE(a.stopCheck);
  EXPECT_TRUE(a.startMove);
  EXPECT_TRUE(h.hiding());
  EXPECT_EQ(Slide(h, v, m), (std::vector<int32_t>{-9, -18, -26}));  // 14 - 40 = -26
  EXPECT_TRUE(h.hidden());
  EXPECT_FALSE(h.hiding());
  EXPECT_FALSE(h.Trigger(v).startCheck);  // hidden: no more checks

  a = h.StartShowing();
  EXPECT_TRUE(a.startMove);
  EXPECT_TRUE(h.showing());
  EXPECT_FALSE(h.StartShowing().startMove);  // already showing
  EXPECT_EQ(Slide(h, v, m), (std::vector<int32_t>{-17, -8, 0}));
  EXPECT_FALSE(h.hidden());
  EXPECT_FALSE(h.showing());
}

TEST(AutoHide, StaysWhileForegroundOrAwayFromEdgesOrDisabled) {
  const WindowMetrics m = Skin(300, 40);
  AutoHide h;
  AutoHide::View v{At({400, 0}, m), kFrame, false, false, false};
  EXPECT_FALSE(h.Trigger(v).startCheck);  // hiding is off
  v.enabled = true;
  v.window = At({400, 1}, m);
  EXPECT_FALSE(h.Trigger(v).startCheck);  // one pixel off the edge
  v.window = At({400, 0}, m);
  v.foreground = true;
  HideActions a = h.CheckTick(v);
  EXPECT_TRUE(a.stopCheck);
  EXPECT_FALSE(a.startMove);
  v.foreground = false;
  v.window = At({400, 5}, m);  // dragged away before the tick
  a = h.CheckTick(v);
  EXPECT_TRUE(a.stopCheck);
  EXPECT_FALSE(h.hiding());
  EXPECT_FALSE(h.StartShowing().startMove);  // visible: nothing to show
}

TEST(AutoHide, MouseBackDuringHidingTurnsIntoShowing) {
  const WindowMetrics m = Skin(100, 300);  // taller than wide: the corner hides left
  AutoHide h;
  AutoHide::View v{At({0, 0}, m), kFrame, true, false, false};
  h.CheckTick(v);
  ASSERT_TRUE(h.hiding());
  HideActions a = h.MoveTick(v, m);
  EXPECT_EQ(h.direction(), HideEdge::Left);
  EXPECT_EQ(*a.moveTo, (Point{-7, 0}));
  v.window = At(*a.moveTo, m);
  h.StartShowing();
  a = h.MoveTick(v, m);  // same edge, now back toward the frame
  EXPECT_EQ(*a.moveTo, (Point{0, 0}));
  EXPECT_TRUE(a.stopMove);
  EXPECT_TRUE(a.startCheck);  // watching again for the mouse to leave
  EXPECT_FALSE(h.hidden());
}

TEST(AutoHide, ADragForgetsTheEdgeOfAnInterruptedMovement) {
  const WindowMetrics m = Skin(300, 40);
  AutoHide h;
  AutoHide::View v{At({400, 0}, m), kFrame, true, false, false};
  h.CheckTick(v);
  v.window = At(*h.MoveTick(v, m).moveTo, m);
  ASSERT_EQ(h.direction(), HideEdge::Top);
  EXPECT_TRUE(h.DragStarted().stopMove);
  EXPECT_FALSE(h.hiding());
  // Dropped at the bottom edge, it hides downward, not back to the top.
  v.window = At({400, 730}, m);
  h.CheckTick(v);
  ASSERT_TRUE(h.hiding());
  const HideActions a = h.MoveTick(v, m);
  EXPECT_EQ(h.direction(), HideEdge::Bottom);
  EXPECT_EQ(a.moveTo->y, 739);
}

TEST(AutoHide, NoEdgeLeftEndsTheMovement) {
  const WindowMetrics m = Skin(300, 40);
  AutoHide h;
  AutoHide::View v{At({400, 0}, m), kFrame, true, false, false};
  h.CheckTick(v);
  v.window = At({400, 3}, m);  // moved off the edge before the first tick
  const HideActions a = h.MoveTick(v, m);
  EXPECT_TRUE(a.stopMove);
  EXPECT_FALSE(a.moveTo.has_value());
  EXPECT_FALSE(h.hiding());
  EXPECT_FALSE(h.hidden());
}

}  // namespace
}  // namespace vrx
