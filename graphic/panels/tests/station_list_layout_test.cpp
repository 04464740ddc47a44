// The station list's layout, hits, centring and scrolling distance.
#include "graphic/panels/station_list_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace vrx {
namespace {

ListLayout Layout(uint32_t count, int32_t pitch = 12, int32_t height = 40, int32_t dx = 0) {
  ListLayout l;
  l.width = 60;
  l.height = height;
  l.dx = dx;
  l.pitch = pitch;
  l.textWidth = 30;
  l.count = count;
  return l;
}

std::vector<LineBox> Walk(const ListLayout& layout, int64_t offset) {
  std::vector<LineBox> boxes;
  LineWalk walk(layout, offset);
  for (LineBox box; walk.Next(box);) boxes.push_back(box);
  return boxes;
}

TEST(StationListLayout, ActiveLineComesToTheMiddleAndTheListWraps) {
  const ListLayout l = Layout(5);
  const int64_t offset = CentreOffset(l, 4, 0);
  EXPECT_EQ(offset, 34);
  const std::vector<LineBox> boxes = Walk(l, offset);
  const uint32_t lines[] = {2, 3, 4, 0, 1};
  const int64_t tops[] = {-10, 2, 14, 26, 38};  // line 1 shows its top 2 rows
  ASSERT_EQ(boxes.size(), 5u);
  for (size_t i = 0; i < boxes.size(); ++i) {
    EXPECT_EQ(boxes[i].line, lines[i]) << i;
    EXPECT_EQ(boxes[i].y, tops[i]) << i;
    EXPECT_EQ(boxes[i].x, 0) << i;
  }
  // The first line is centred by going round: 0 - 14 + 60.
  EXPECT_EQ(CentreOffset(l, 0, 0), 46);
}

TEST(StationListLayout, ListThatFitsNeverScrollsOrRepeats) {
  const ListLayout l = Layout(3);
  EXPECT_FALSE(l.Scrolls());
  EXPECT_EQ(CentreOffset(l, 2, 0), 0);
  const std::vector<LineBox> boxes = Walk(l, 0);
  ASSERT_EQ(boxes.size(), 3u);
  for (uint32_t i = 0; i < 3; ++i) EXPECT_EQ(boxes[i].line, i);
  ListScroll scroll;
  scroll.Start(0);
  EXPECT_FALSE(scroll.Step(Layout(0), 80, ScrollDirection::kDown, 0, 1000));
}

TEST(StationListLayout, SlantedListStartsSoTheLowestVisibleLineIsAtColumnZero) {
  struct Row {
    int64_t offset;
    int32_t height;
    int64_t start;  // for dx = -3
  } rows[] = {
      {0, 40, 9},    // lines at 0, 12, 24, 36: four rows
      {34, 40, 12},  // at -10, 2, 14, 26, 38: five
      {24, 36, 6},   // at 0, 12, 24: three, the last ending at the bottom
      {2, 5, 0},     // a window shorter than the top line's visible part
  };
  for (const Row& r : rows) {
    const ListLayout l = Layout(10, 12, r.height, -3);
    EXPECT_EQ(StartColumn(l, r.offset), r.start) << r.offset << " in " << r.height;
    const std::vector<LineBox> boxes = Walk(l, r.offset);
    EXPECT_EQ(boxes.back().x, 0) << r.offset << " in " << r.height;
  }
  EXPECT_EQ(StartColumn(Layout(10, 12, 40, 4), 34), 0);
}

TEST(StationListLayout, HitsFollowTheDrawnBoxes) {
  ListLayout l = Layout(5, 12, 40, -3);
  l.textWidth = 20;
  // Offset 34: line 2 at (12, -10), 3 at (9, 2), 4 at (6, 14), 0 at (3, 26), 1 at (0, 38).
  struct Row {
    int64_t x, y;
    std::optional<uint32_t> line;
  } rows[] = {
      {12, 0, 2u}, {31, 1, 2u}, {11, 1, std::nullopt}, {9, 2, 3u}, {6, 25, 4u},
      {3, 37, 0u}, {0, 39, 1u}, {19, 39, 1u}, {22, 39, std::nullopt}, {30, 39, std::nullopt}, {0, 40, std::nullopt},
      {-1, 39, std::nullopt},
  };
  for (const Row& r : rows) EXPECT_EQ(HitLine(l, 34, r.x, r.y), r.line) << r.x << "," << r.y;
}

TEST(StationListLayout, ScrollingMovesByTheTimeWorthAndWraps) {
  const ListLayout l = Layout(5);  // one turn is 60 pixels
  struct Row {
    ScrollDirection direction;
    int64_t from;
    uint32_t elapsed;
    std::optional<int64_t> to;
  } rows[] = {
      {ScrollDirection::kDown, 0, 250, 20},   // 250 ms at 80 pixels a second
      {ScrollDirection::kUp, 30, 250, 10},
      {ScrollDirection::kDown, 50, 250, 10},  // round past the last line
      {ScrollDirection::kUp, 10, 250, 50},
      {ScrollDirection::kUp, 10, 1000, 50},   // 80 is more than a turn
      {ScrollDirection::kDown, 0, 12, std::nullopt},  // under a pixel
  };
  for (const Row& r : rows) {
    ListScroll scroll;
    scroll.Start(0xFFFFFF00u);  // the clock wraps between the two readings
    EXPECT_EQ(scroll.Step(l, 80, r.direction, r.from, 0xFFFFFF00u + r.elapsed), r.to) << r.from;
  }
  // Short steps add up: 12 ms moves nothing, the next 1 ms makes a pixel.
  ListScroll scroll;
  scroll.Start(0);
  EXPECT_FALSE(scroll.Step(l, 80, ScrollDirection::kDown, 0, 12));
  EXPECT_EQ(scroll.Step(l, 80, ScrollDirection::kDown, 0, 13), 1);
  EXPECT_FALSE(scroll.Step(l, 80, ScrollDirection::kDown, 1, 14));
  // Whatever the ticks, a second moves the list by the speed: the parts of
  // a pixel left at each move carry over.
  for (uint32_t tick : {4u, 10u, 15u, 16u, 40u}) {
    ListScroll s;
    s.Start(0);
    int64_t offset = 0, moved = 0;
    for (uint32_t now = tick; now <= 1000; now += tick)
      if (const std::optional<int64_t> to = s.Step(l, 80, ScrollDirection::kDown, offset, now))
        moved += (*to - offset + 60) % 60, offset = *to;
    EXPECT_EQ(moved, 80 * (1000 / tick) * tick / 1000) << tick << " ms ticks";
  }
}

TEST(StationListLayout, PitchOrSpeedOfZeroDrawsAndScrollsNothing) {
  for (int32_t pitch : {0, -12}) {
    const ListLayout l = Layout(5, pitch);
    EXPECT_TRUE(Walk(l, 0).empty());
    EXPECT_EQ(HitLine(l, 0, 1, 1), std::nullopt);
    EXPECT_FALSE(l.Scrolls());
    EXPECT_EQ(CentreOffset(l, 4, 0), 0);
    EXPECT_EQ(StartColumn(l, 0), 0);
    ListScroll scroll;
    scroll.Start(0);
    EXPECT_FALSE(scroll.Step(l, 80, ScrollDirection::kDown, 0, 1000));
  }
  EXPECT_FALSE(ScrollPeriodMs(0));
  ListScroll scroll;
  scroll.Start(0);
  EXPECT_FALSE(scroll.Step(Layout(5), 0, ScrollDirection::kDown, 0, 100000));
  EXPECT_EQ(ScrollPeriodMs(80), 4u);
  EXPECT_EQ(ScrollPeriodMs(400), 1u);
  EXPECT_EQ(ScrollPeriodMs(0xFFFFFFFFu), 1u);
}

TEST(StationListLayout, HugeListsStayInSixtyFourBits) {
  ListLayout l = Layout(4'000'000'000u, 0x7FFFFFFF);
  EXPECT_EQ(l.Total(), int64_t{4'000'000'000} * 0x7FFFFFFF);
  const int64_t offset = CentreOffset(l, 3'999'999'999, 0);
  const std::vector<LineBox> boxes = Walk(l, offset);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].line, 3'999'999'999u);
}

}  // namespace
}  // namespace vrx
