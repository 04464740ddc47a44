// The equalizer panel's arithmetic: the band groups of every panel size,
// the gain scale both ways, and the record writes of both plug-in layouts.
#include "graphic/panels/equalizer_bands.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <vector>

namespace vrx {
namespace {

struct Grouping {
  uint32_t sliders, bands;
  std::vector<BandGroup> groups;  // of sliders 1, 2, ...
};

TEST(EqualizerBands, EverySliderDrivesItsGroup) {
  const Grouping cases[] = {
      {10, 10, {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 8}, {8, 9}, {9, 10}}},
      {3, 10, {{0, 3}, {3, 6}, {6, 10}}},
      {10, 31, {{0, 7}, {7, 10}, {10, 14}, {14, 17}, {17, 20}, {20, 24}, {24, 27}, {27, 28}, {28, 29}, {29, 31}}},
      {5, 31, {{0, 6}, {6, 12}, {12, 18}, {18, 24}, {24, 31}}},
      {1, 31, {{0, 31}}},
  };
  for (const Grouping& c : cases)
    for (uint32_t s = 1; s <= c.sliders; ++s)
      EXPECT_EQ(GroupOf(s, c.sliders, c.bands), c.groups[s - 1]) << c.sliders << " over " << c.bands << ", slider " << s;
  for (uint32_t s = 1; s <= 31; ++s) EXPECT_EQ(GroupOf(s, 31, 31), (BandGroup{s - 1, s})) << "slider " << s;
  // More sliders than bands: sliders 1 to 4 share band 0, and every one has a band.
  for (uint32_t s = 1; s <= 4; ++s) EXPECT_EQ(GroupOf(s, 31, 10), (BandGroup{0, 1})) << "slider " << s;
  for (uint32_t s = 1; s <= 31; ++s) EXPECT_LE(GroupOf(s, 31, 10).end, 10u);
  EXPECT_EQ(GroupOf(31, 31, 10), (BandGroup{9, 10}));
  // No such slider, or no bands: nothing.
  for (const auto& [s, c, t] : {std::array<uint32_t, 3>{0, 10, 10}, {11, 10, 10}, {1, 0, 10}, {1, 10, 0}})
    EXPECT_EQ(GroupOf(s, c, t), BandGroup{}) << s << " of " << c << " over " << t;
}

TEST(EqualizerBands, StoredGainsShowOnTheSlidersScale) {
  const std::array<std::array<int32_t, 2>, 9> cases{{
      {-100, 0}, {-37, 252}, {-1, 396}, {0, 400}, {1, 401}, {400, 800}, {401, 800}, {-101, 0}, {INT32_MIN, 0}}};
  for (const auto& [gain, position] : cases) EXPECT_EQ(PositionOfGain(gain), position) << "gain " << gain;
}

TEST(EqualizerBands, ThumbPlacesGiveGainsInTwoHalves) {
  struct Case {
    int32_t min, max, position, gain;
  };
  const Case cases[] = {
      {0, 800, 0, -100}, {0, 800, 400, 0}, {0, 800, 800, 400}, {0, 800, 252, -37}, {0, 800, 401, 1},
      // A real travel: mid 45 of 0 ... 90; one pixel below the middle loses 100 / 45.
      {0, 90, 45, 0}, {0, 90, 44, -2}, {0, 90, 0, -100}, {0, 90, 90, 400}, {0, 90, 46, 8},
      // A backward path (min T - 1): mid 9 + 90 / 2 = 54.
      {9, 99, 54, 0}, {9, 99, 53, -2}, {9, 99, 9, -100}, {9, 99, 99, 400},
      // Odd travel: mid 3 of 0 ... 7; the upper half is the longer.
      {0, 7, 2, -33}, {0, 7, 7, 400},
      // A travel of one pixel: the half without room is flat.
      {0, 1, 0, 0}, {0, 1, 1, 400},
      // Places beyond the travel are held to it; huge ranges do not overflow.
      {0, 800, -50, -100}, {0, 800, 9000, 400}, {INT32_MIN, INT32_MAX, INT32_MAX, 400}, {INT32_MIN, INT32_MAX, INT32_MIN, -100},
  };
  for (const Case& c : cases)
    EXPECT_EQ(GainOfPosition(c.min, c.max, c.position), c.gain) << c.min << " ... " << c.max << " at " << c.position;
  // A slider that cannot move has no gain to write.
  EXPECT_EQ(GainOfPosition(5, 5, 5), std::nullopt);
  EXPECT_EQ(GainOfPosition(3, 2, 3), std::nullopt);
  // Round trip over the panel's own scale.
  for (int32_t gain = kGainMin; gain <= kGainMax; ++gain)
    EXPECT_EQ(GainOfPosition(kBandPositionMin, kBandPositionMax, PositionOfGain(gain)), gain);
}

// Both layouts: the right block follows the left one's bands.
class RecordLayout : public testing::TestWithParam<uint32_t> {};

TEST_P(RecordLayout, WritesBothChannelsAndLeavesTheAmplificationsAlone) {
  const uint32_t bands = GetParam(), right = bands + 2;
  std::vector<int32_t> words(2 * right + 1, 0);
  for (uint32_t b = 0; b < bands; ++b) {
    words[2 + b] = int32_t(b) * 10;
    words[right + 2 + b] = -7;  // another program set the right channel apart
  }
  words[1] = 55, words[right + 1] = 66, words.back() = 12345;  // amplifications, the word past the record
  EqualizerRecord record(words.data(), bands);

  EXPECT_TRUE(record.Enabled());
  record.SetEnabled(false);
  EXPECT_EQ(words[0], 1);
  EXPECT_EQ(words[right], 1);
  EXPECT_FALSE(record.Enabled());
  record.SetEnabled(true);
  EXPECT_EQ(words[0] | words[right], 0);

  // Reading shows the group's highest left band.
  EXPECT_EQ(record.Position({2, 5}), PositionOfGain(40));
  std::vector<int32_t> stored(bands);
  record.SetGroup({2, 5}, -25, stored.data());
  for (uint32_t b = 0; b < bands; ++b) {
    const int32_t expected = (b >= 2 && b < 5) ? -25 : int32_t(b) * 10;
    EXPECT_EQ(stored[b], expected) << "band " << b;
    EXPECT_EQ(record.LeftGain(b), expected) << "band " << b;
    EXPECT_EQ(record.RightGain(b), expected) << "band " << b;
  }
  EXPECT_EQ(record.Position({2, 5}), 300);
  EXPECT_EQ(words[1], 55);
  EXPECT_EQ(words[right + 1], 66);
  EXPECT_EQ(words.back(), 12345);
  EXPECT_EQ(record.Position({}), kBandPositionFlat);
  EXPECT_EQ(record.Position({bands, bands + 1}), kBandPositionFlat);
}

INSTANTIATE_TEST_SUITE_P(Plugins, RecordLayout, testing::Values(kTonal10.bands, kTonal31.bands));

}  // namespace
}  // namespace vrx
