// Station lookups: by frequency, preset numbering over the button stations,
// and stepping in stored order from on and off the list.
#include "player/engine/station_navigator.h"

#include <gtest/gtest.h>

#include "player/engine/tests/test_stations.h"

namespace engine {
namespace {

TEST(StationNavigator, PresetsCountOnlyButtonStationsInStoredOrder) {
  const StationNavigator n(enginetest::FourStations());
  EXPECT_EQ(n.PresetCount(), 2u);
  EXPECT_EQ(n.ByPreset(1)->frequency, 101'700'000u);
  EXPECT_EQ(n.ByPreset(2)->frequency, 104'550'000u);
  EXPECT_EQ(n.ByPreset(2)->flags, 7u) << "flags are passed through";
  EXPECT_EQ(n.ByPreset(2)->number, 3u) << "the number stays the position in the whole list";
  EXPECT_FALSE(n.ByPreset(0));
  EXPECT_FALSE(n.ByPreset(3));
  EXPECT_FALSE(StationNavigator{}.ByPreset(1));
}

TEST(StationNavigator, StepsFromAStationFollowTheStoredOrderAndWrap) {
  const StationNavigator n(enginetest::FourStations());
  EXPECT_STREQ(n.Next(101'700'000)->name, "Beta");
  EXPECT_STREQ(n.Next(95'000'000)->name, "Alpha");
  EXPECT_STREQ(n.Previous(101'700'000)->name, "Delta");
  EXPECT_STREQ(n.Previous(89'300'000)->name, "Alpha");
}

TEST(StationNavigator, StepsFromOffTheListGoToTheNearestStationThatWay) {
  const StationNavigator n(enginetest::FourStations());
  EXPECT_EQ(n.Next(96'000'000)->frequency, 101'700'000u);
  EXPECT_EQ(n.Previous(96'000'000)->frequency, 95'000'000u);
  EXPECT_EQ(n.Next(107'000'000)->frequency, 89'300'000u) << "past the last one it wraps to the lowest";
  EXPECT_EQ(n.Previous(88'000'000)->frequency, 104'550'000u);
  EXPECT_FALSE(StationNavigator{}.Next(100'000'000));
}

TEST(StationNavigator, ByFrequencyAndLongNames) {
  auto list = enginetest::FourStations();
  std::memset(list[1].name, 'x', sizeof list[1].name);  // no terminator at all
  const StationNavigator n(list);
  EXPECT_EQ(std::strlen(n.ByFrequency(89'300'000)->name), kStationNameSize - 1);
  EXPECT_FALSE(n.ByFrequency(89'350'000));
}

}  // namespace
}  // namespace engine
