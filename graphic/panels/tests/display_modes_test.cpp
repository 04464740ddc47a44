// The displays' modes: how stored values read, how clicks cycle with and
// without MoreInfo and beside time and record displays, the recording view,
// the clocks and the refresh periods.
#include "graphic/panels/display_modes.h"

#include <gtest/gtest.h>

#include <vector>

namespace vrx {
namespace {

std::vector<uint32_t> NameCycle(StationSections s, uint32_t start, int clicks) {
  StationModes m(s, start, 0);
  std::vector<uint32_t> seen{m.nameMode()};
  for (int i = 0; i < clicks; ++i) {
    EXPECT_FALSE(m.Click(false));
    seen.push_back(m.nameMode());
  }
  return seen;
}

TEST(StationModes, StoredNameModesReadWithinWhatTheSkinOffers) {
  struct Row {
    StationSections s;
    uint32_t stored, read;
  } rows[] = {
      {{false, false, false}, 2, 2}, {{false, false, false}, 4, 0},  // no MoreInfo: 0 ... 2
      {{true, false, false}, 5, 5},  {{true, false, false}, 6, 0},
      {{true, false, true}, 5, 0},                                   // free space beside a record display
      {{true, true, false}, 3, 0},   {{true, true, false}, 4, 0},    // clocks beside a time display
      {{true, true, false}, 5, 5},
  };
  for (const Row& r : rows) EXPECT_EQ(StationModes(r.s, r.stored, 0).nameMode(), r.read) << r.stored;
  EXPECT_EQ(StationModes({true, false, false}, 0, 8).recMode(), 0u);
  EXPECT_EQ(StationModes({true, false, false}, 0, 7).recMode(), 7u);
}

TEST(StationModes, ClicksCycleTheNameModesTheSkinOffers) {
  using V = std::vector<uint32_t>;
  EXPECT_EQ(NameCycle({false, false, false}, 0, 3), (V{0, 1, 2, 0}));
  EXPECT_EQ(NameCycle({true, false, false}, 0, 6), (V{0, 1, 2, 3, 4, 5, 0}));
  EXPECT_EQ(NameCycle({true, true, false}, 0, 4), (V{0, 1, 2, 5, 0}));
  EXPECT_EQ(NameCycle({true, false, true}, 2, 4), (V{2, 3, 4, 0, 1}));
  EXPECT_EQ(NameCycle({true, true, true}, 0, 3), (V{0, 1, 2, 0}));
}

TEST(StationModes, TheRecordingViewCyclesRecModeAndSkipsClocksBesideATimeDisplay) {
  for (bool time : {false, true}) {
    StationModes m({true, time, false}, 1, 5);
    std::vector<uint32_t> seen;
    for (int i = 0; i < 4; ++i) {
      EXPECT_TRUE(m.Click(true));
      seen.push_back(m.recMode());
    }
    EXPECT_EQ(seen, time ? (std::vector<uint32_t>{0, 1, 2, 3}) : (std::vector<uint32_t>{6, 7, 0, 1}));
    EXPECT_EQ(m.nameMode(), 1u);
  }
  // A record display takes the recording's information: clicks go on
  // through NameMode while recording.
  StationModes beside({true, false, true}, 0, 0);
  EXPECT_FALSE(beside.RecordingView(true));
  EXPECT_FALSE(beside.Click(true));
  EXPECT_EQ(beside.nameMode(), 1u);
}

TEST(StationModes, ClocksTextsAndRefreshPeriodsFollowTheModeInForce) {
  struct Row {
    StationSections s;
    uint32_t name, rec;
    bool recording;
    ClockKind clock;
    uint32_t periodMs;
    StationShow show;
    DisplayColour colour;
  } rows[] = {
      {{false, false, false}, 1, 0, true, ClockKind::kNone, 0, StationShow::kStationName, DisplayColour::kNormal},
      {{true, false, false}, 0, 0, false, ClockKind::kNone, 0, StationShow::kStationFull, DisplayColour::kNormal},
      {{true, false, false}, 3, 0, false, ClockKind::kTimeOfDay, 250, StationShow::kEmpty, DisplayColour::kFree},
      {{true, false, false}, 4, 0, false, ClockKind::kShifted, 250, StationShow::kEmpty, DisplayColour::kFree},
      {{true, false, false}, 5, 0, false, ClockKind::kNone, 10000, StationShow::kFreeSpace, DisplayColour::kFree},
      {{true, false, false}, 5, 0, true, ClockKind::kElapsed, 500, StationShow::kEmpty, DisplayColour::kRec},
      {{true, false, false}, 0, 1, true, ClockKind::kNone, 10000, StationShow::kFreeSpace, DisplayColour::kRec},
      {{true, false, false}, 0, 2, true, ClockKind::kNone, 10000, StationShow::kFileSize, DisplayColour::kRec},
      {{true, false, false}, 0, 4, true, ClockKind::kNone, 0, StationShow::kStationName, DisplayColour::kNormal},
      {{true, false, false}, 0, 6, true, ClockKind::kTimeOfDay, 250, StationShow::kEmpty, DisplayColour::kRec},
      {{true, false, false}, 0, 7, true, ClockKind::kShifted, 250, StationShow::kEmpty, DisplayColour::kRec},
      {{true, true, false}, 0, 6, true, ClockKind::kTimeOfDay, 250, StationShow::kEmpty, DisplayColour::kRec},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << "name " << r.name << " rec " << r.rec << " recording " << r.recording);
    const StationModes m(r.s, r.name, r.rec);
    EXPECT_EQ(m.Clock(r.recording), r.clock);
    EXPECT_EQ(m.RefreshPeriodMs(r.recording), r.periodMs);
    EXPECT_EQ(m.Content(r.recording).show, r.show);
    EXPECT_EQ(m.Content(r.recording).colour, r.colour);
  }
}

TEST(InfoDisplayModes, TimeAndRecordDisplaysCycleAndPickTheirTexts) {
  EXPECT_EQ(NextTimeMode(0), 1u);
  EXPECT_EQ(NextTimeMode(2), 0u);
  EXPECT_EQ(NextTimeMode(9), 0u);
  EXPECT_EQ(NextRecordMode(1), 2u);
  EXPECT_EQ(NextRecordMode(7), 0u);
  EXPECT_EQ(RecordContent(0, false), RecordShow::kFreeSpace);
  EXPECT_EQ(RecordContent(0, true), RecordShow::kElapsed);
  EXPECT_EQ(RecordContent(1, true), RecordShow::kFreeSpace);
  EXPECT_EQ(RecordContent(9, true), RecordShow::kFileSize);
  EXPECT_EQ(RecordRefreshMs(0, true), 500u);
  EXPECT_EQ(RecordRefreshMs(0, false), 10000u);
  EXPECT_EQ(RecordRefreshMs(2, true), 10000u);
}

}  // namespace
}  // namespace vrx
