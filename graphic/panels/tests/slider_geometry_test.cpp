// A slider's arithmetic: paths in every direction, values both ways, snap,
// the grip of a drag, cancel, and the variants' conversions.
#include "graphic/panels/slider_geometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace vrx {
namespace {

skin::SkinSliderRecord Record(int32_t x, int32_t y, int32_t pw, int32_t ph, int32_t tw, int32_t th,
                              int32_t snap = 0) {
  skin::SkinSliderRecord r;
  r.windowX = x;
  r.windowY = y;
  r.pathWidth = pw;
  r.pathHeight = ph;
  r.thumbWidth = tw;
  r.thumbHeight = th;
  r.snapSize = snap;
  return r;
}

// The backward horizontal path: 100 columns leftwards from 200, thumb 10 x 12.
const skin::SkinSliderRecord kBackward = Record(200, 50, -100, 12, 10, 12);

TEST(SliderGeometry, PathsInEveryDirection) {
  struct Row {
    skin::SkinSliderRecord r;
    Rect path;
    bool vertical;
    SliderValue start;  // the value of a thumb at the path's start
    Point first, last;  // thumb corners at min and max
  } rows[] = {
      {kBackward, {101, 50, 201, 62}, false, {9, 99, 9}, {191, 50}, {101, 50}},
      {Record(10, 20, 100, 12, 10, 12), {10, 20, 110, 32}, false, {0, 90, 0}, {10, 20}, {100, 20}},
      // The default skin's volume: upward, thumb 14 x 8 on a 14 x 35 path.
      {Record(25, 226, 14, -35, 14, 8), {25, 192, 39, 227}, true, {7, 34, 7}, {25, 219}, {25, 192}},
      {Record(0, 0, 20, 40, 5, 10), {0, 0, 20, 40}, true, {0, 30, 0}, {0, 0}, {15, 30}},  // diagonal
      // No WindowPathHeight: a one-row path whose thumb top moves down to it.
      {Record(30, 40, 50, -1, 10, 12), {30, 40, 80, 41}, false, {0, 40, 0}, {30, 29}, {70, 40}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.r.windowX) + "," + std::to_string(row.r.pathWidth));
    const SliderGeometry g(row.r);
    EXPECT_EQ(g.Path(), row.path);
    EXPECT_EQ(g.Vertical(), row.vertical);
    const SliderModel m(row.r);
    EXPECT_EQ(m.Value(), row.start);
    EXPECT_EQ(m.Thumb(), row.first);
    EXPECT_EQ(g.Place({row.start.min, row.start.max, row.start.max}), row.last);
    EXPECT_EQ(g.ValueAt(row.last).position, row.start.max);
    // Out-of-range values are held at the ends.
    EXPECT_EQ(g.Place({row.start.min, row.start.max, INT_MAX}), row.last);
    EXPECT_EQ(g.Place({row.start.min, row.start.max, INT_MIN}), row.first);
    const Rect b = g.Bounds();
    for (Point p : {row.first, row.last})
      EXPECT_TRUE(b.Contains(p) && b.Contains({p.x + row.r.thumbWidth - 1, p.y + row.r.thumbHeight - 1}));
  }
}

TEST(SliderGeometry, ValueFromTheThumbCornerIsClampedToThePath) {
  const SliderGeometry g(kBackward);
  struct Row {
    int32_t column, position;
  } rows[] = {{191, 9}, {101, 99}, {150, 50}, {300, 9}, {0, 99}, {INT_MIN, 99}};
  for (const Row& row : rows) EXPECT_EQ(g.ValueAt({row.column, 7}), (SliderValue{9, 99, row.position}));
  // The thumb never leaves its row.
  EXPECT_EQ(g.Place({9, 99, 54}).y, 50);
  // Volume at both ends.
  EXPECT_EQ(VolumeOf(g.ValueAt({191, 50})), 0u);
  EXPECT_EQ(VolumeOf(g.ValueAt({101, 50})), 100u);
}

TEST(SliderGeometry, ATravelNoLongerThanTheThumbCannotMoveAndReportsNothing) {
  for (const auto& r : {Record(10, 10, 8, 4, 10, 4), Record(10, 10, -10, 4, 10, 4), Record(10, 10, 4, 10, 4, 12)}) {
    const SliderModel m(r);
    const SliderValue v = m.Value();
    EXPECT_FALSE(v.Movable());
    EXPECT_EQ(v.min, v.max);
    EXPECT_EQ(v.position, v.min);
    EXPECT_EQ(VolumeOf(v), std::nullopt);
    EXPECT_EQ(DelayOf(v, 600), std::nullopt);
    // Any value, from outside or from a drag, leaves the thumb at the start.
    SliderModel dragged(r);
    dragged.Press({12, 12});
    EXPECT_EQ(dragged.DragTo({500, 500}), v);
    EXPECT_EQ(dragged.Thumb(), m.Thumb());
    EXPECT_EQ(m.geometry().Place({0, 0, 50}), m.Thumb());
  }
}

TEST(SliderGeometry, SnapPullsToTheMiddleWithinTheDistance) {
  const SliderGeometry g(Record(0, 0, 100, 10, 10, 10, 3));  // travel 0 ... 90
  for (int32_t p = 38; p <= 52; ++p)
    EXPECT_EQ(g.Snap({0, 90, p}), p >= 42 && p <= 48 ? 45 : p) << p;
  EXPECT_EQ(SliderGeometry(Record(0, 0, 100, 10, 10, 10)).Snap({0, 90, 44}), 44);
  // The dragged thumb lands on the snapped place.
  SliderModel m(Record(0, 0, 100, 10, 10, 10, 3));
  m.Press({5, 5});
  EXPECT_EQ(m.DragTo({5 + 43, 5}).position, 45);
  EXPECT_EQ(m.Thumb().x, 45);
}

TEST(SliderDrag, AClickOffTheThumbCentresItAndOnTheThumbKeepsTheGrip) {
  SliderModel m(Record(0, 0, 100, 12, 10, 12));  // thumb at columns 0 ... 9
  m.Press({50, 3});
  EXPECT_EQ(m.grab(), (Point{5, 3}));
  EXPECT_EQ(m.DragTo({50, 3}).position, 45);
  m.Press({47, 30});  // on the thumb's columns, below it
  EXPECT_EQ(m.grab(), (Point{2, 6}));
  EXPECT_EQ(m.DragTo({60, 30}).position, 58);
  EXPECT_EQ(m.Thumb(), (Point{58, 0}));
}

TEST(SliderDrag, CancelRestoresTheNewestOutsideValue) {
  SliderModel m(kBackward);
  m.SetValue({0, 100, 20}, false);
  const Point before = m.Thumb();
  m.Press({150, 55});
  m.DragTo({120, 55});
  EXPECT_NE(m.Thumb(), before);
  m.Cancel();
  EXPECT_EQ(m.Thumb(), before);
  // A value from outside during a drag moves nothing but is the one a
  // cancel returns to.
  m.Press({150, 55});
  const Point dragged = m.Thumb();
  m.SetValue({0, 100, 80}, true);
  EXPECT_EQ(m.Thumb(), dragged);
  m.Cancel();
  EXPECT_EQ(m.Thumb(), m.geometry().Place({0, 100, 80}));
}

TEST(SliderHit, PathMaskAndThumbWhereItStands) {
  skin::SkinSliderRecord r = Record(30, 40, 50, -1, 10, 12);  // thumb stands above the one-row path
  r.flags = skin::kSliderPathMask | skin::kSliderThumbMask;
  r.pathMaskX = 1000;
  r.maskX = 2000;
  SliderModel m(r);
  // Path mask red only on its first ten columns; thumb mask red on its left half.
  const auto red = [](int32_t x, int32_t) -> uint8_t { return (x >= 1000 && x < 1010) || (x >= 2000 && x < 2005); };
  EXPECT_TRUE(HitSlider(m, r, {32, 40}, red));
  EXPECT_FALSE(HitSlider(m, r, {60, 40}, red)) << "off the path mask";
  EXPECT_TRUE(HitSlider(m, r, {31, 30}, red)) << "on the thumb above the path";
  EXPECT_FALSE(HitSlider(m, r, {37, 30}, red)) << "off the thumb mask";
  m.SetValue({0, 40, 40}, false);  // thumb to the far end
  EXPECT_FALSE(HitSlider(m, r, {31, 30}, red)) << "where the thumb was";
  EXPECT_TRUE(HitSlider(m, r, {71, 40}, red)) << "thumb over a masked-out part of the path";
}

TEST(SliderVariants, VolumeWordsDelaysAndTimeOfDay) {
  EXPECT_EQ(LargerHalf(30 + 70 * 65536), 70u);
  EXPECT_EQ(LargerHalf(70 + 30 * 65536), 70u);
  EXPECT_EQ(LargerHalf(55), 55u);
  EXPECT_EQ(BothHalves(42), 42u + 42u * 65536);
  EXPECT_EQ(VolumeOf({7, 34, 20}), 48u);  // 13 * 100 / 27, truncated
  EXPECT_EQ(DelayOf({9, 99, 54}, 600), 300u);
  EXPECT_EQ(DelayOf({0, 90, 90}, UINT32_MAX), UINT32_MAX);
  struct Row {
    uint32_t now, delay;
    const char* text;
  } rows[] = {{10, 25, "23:59:45"}, {3600, 0, "01:00:00"}, {45296, 296, "12:30:00"}, {10, 86400 + 25, "23:59:45"}};
  for (const Row& row : rows)
    EXPECT_STREQ(ClockText(TimeOfDayBehind(row.now, row.delay)).data(), row.text) << row.now << " " << row.delay;
}

}  // namespace
}  // namespace vrx
