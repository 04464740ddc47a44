// The displays' texts and geometry: clocks across midnight, clock cells,
// narrow displays, the marquee, free-space folders and station texts.
#include "graphic/panels/display_text.h"

#include <gtest/gtest.h>

#include <limits>

#include "graphic/core/number_text.h"

namespace vrx {
namespace {

TEST(DisplayClock, ShiftedTimeWrapsBackAcrossMidnight) {
  struct Row {
    uint32_t now, delay, shown;
  } rows[] = {
      {SecondOfDay(23, 59, 50), 20, SecondOfDay(23, 59, 30)},
      {SecondOfDay(0, 0, 5), 20, SecondOfDay(23, 59, 45)},
      {SecondOfDay(12, 0, 0), 0, SecondOfDay(12, 0, 0)},
      {SecondOfDay(0, 0, 5), kSecondsPerDay + 20, SecondOfDay(23, 59, 45)},  // a delay of more than a day
      {0, 0xFFFFFFFFu, 0xFFFFFFFFu % kSecondsPerDay == 0 ? 0 : kSecondsPerDay - 0xFFFFFFFFu % kSecondsPerDay},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(ShiftedTime(r.now, r.delay), r.shown) << r.now << " - " << r.delay;
    EXPECT_LT(ShiftedTime(r.now, r.delay), kSecondsPerDay);
  }
  EXPECT_EQ(ClockText(SecondOfDay(23, 59, 30)), "23:59:30");
  EXPECT_EQ(ClockText(0), "00:00:00");
  EXPECT_EQ(ClockText(100 * 3600 + 61), "100:01:01");
}

TEST(DisplayClock, CellsKeepDigitsInPlaceAndNarrowDisplaysStartAtZero) {
  const ClockCells cells{8, 3};
  EXPECT_EQ(cells.Width(), 54);
  EXPECT_EQ(cells.Offset("12:34:56", 0), 0);
  EXPECT_EQ(cells.Offset("12:34:56", 3), 19);
  EXPECT_EQ(cells.Offset("12:34:56", 7), 46);
  EXPECT_EQ(CentredClockStart(100, cells), 23);
  EXPECT_EQ(CentredClockStart(40, cells), 0);
  EXPECT_EQ(CentredClockStart(0, ClockCells{}), 0);
  const ClockPair wide = ClockPairStarts(200, cells);
  EXPECT_EQ(wide.left, 100 - 8 - 54);
  EXPECT_EQ(wide.right, 100 + 8);
  const ClockPair narrow = ClockPairStarts(60, cells);
  EXPECT_EQ(narrow.left, 0);
  EXPECT_GE(narrow.right, cells.Width());  // the two never overlap
}

TEST(DisplayMarquee, MovesOnePixelPerTickAndStartsAgainAfterWidthAndGap) {
  Marquee m{30, 4, 0};
  for (int i = 0; i < 33; ++i) m.Tick();
  EXPECT_EQ(m.scroll, 33);
  m.Tick();
  EXPECT_EQ(m.scroll, 0);
  EXPECT_EQ(kMarqueePeriodMs, 50u);
}

// A copy of "ABCDE" with cells 5, 5, 10, 5, 5 wide in a display 12 wide:
// what shows, with one more character on either side.
TEST(DisplayMarquee, VisibleRunKeepsWhatShowsAndOneCharacterAround) {
  const int ends[] = {5, 10, 20, 25, 30};
  struct Row {
    int origin;
    TextRun run;
  };
  const Row rows[] = {
      {0, {0, 4, 0}},      // A B C show (C in part), D beside them
      {-7, {0, 4, -7}},    // B C show
      {-10, {1, 4, -5}},   // C D show: B and E around them
      {-25, {3, 2, -5}},   // only E shows
      {-30, {4, 1, -5}},   // the copy has left: its last character
      {-40, {4, 1, -15}},
      {8, {0, 2, 8}},      // A shows from column 8, B beside it
      {12, {0, 1, 12}},    // the copy has not come in yet: its first character
  };
  for (const Row& r : rows) EXPECT_EQ(VisibleRun(ends, r.origin, 12), r.run) << "origin " << r.origin;
  // A display wider than the text takes all of it.
  EXPECT_EQ(VisibleRun(ends, 0, 100), (TextRun{0, 5, 0}));
  EXPECT_EQ(VisibleRun({}, 0, 12), TextRun{});
  EXPECT_EQ(VisibleRun(ends, 0, 0), TextRun{});
  // Far out columns do not overflow.
  constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
  EXPECT_EQ(VisibleRun(ends, kMin, 12), (TextRun{4, 1, kMin + 25}));
  EXPECT_EQ(VisibleRun(ends, kMax, 12), (TextRun{0, 1, kMax}));
}

TEST(DisplayTexts, FreeSpaceFoldersSizesAndStationForms) {
  EXPECT_EQ(FreeSpaceFolder("D:\\Rec\\x.wav"), "D:\\");
  EXPECT_EQ(FreeSpaceFolder("\\\\server\\share\\rec\\x.wav"), "\\\\server\\share\\rec");
  EXPECT_EQ(FreeSpaceFolder("C:"), "C:");
  EXPECT_EQ(FreeSpaceFolder("x.wav"), "");
  EXPECT_EQ(FreeSpaceFolder(""), "");
  EXPECT_EQ(SizeText(2000000), "1 953 KB");
  EXPECT_EQ(SizeText(3000000), "2 MB");
  EXPECT_EQ(SizeText(5000000000ull), "4 GB");
  EXPECT_EQ(SizeText(0), "0 KB");
  const std::string f = "101.7";
  EXPECT_EQ(StationFormText(f, "Radio", StationShow::kStationFull), "101.7 - Radio");
  EXPECT_EQ(StationFormText(f, "Radio", StationShow::kStationName), "Radio");
  EXPECT_EQ(StationFormText(f, "Radio", StationShow::kFrequency), "101.7");
  for (StationShow form : {StationShow::kStationFull, StationShow::kStationName, StationShow::kFrequency})
    EXPECT_EQ(StationFormText(f, "", form), "101.7");
}

}  // namespace
}  // namespace vrx
