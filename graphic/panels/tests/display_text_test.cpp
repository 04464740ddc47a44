// The displays' texts and geometry: clocks across midnight, clock cells,
// narrow displays, the marquee, free-space folders and station texts.
#include "graphic/panels/display_text.h"

#include <gtest/gtest.h>

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
