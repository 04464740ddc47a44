#include "auxui/station_list.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "auxui/tests/stored_bytes.h"

namespace {

std::vector<StationInfo> ReadAll(const Bytes& stored) {
  std::vector<StationInfo> out(CountStations(stored));
  out.resize(ReadStations(stored, out.data(), static_cast<uint32_t>(out.size())));
  return out;
}

}  // namespace

TEST(StationList, ValuesTooShortForARecordGiveNothing) {
  EXPECT_EQ(CountStations({}), 0u);
  const Bytes eight = {1, 0, 0, 0, 2, 0, 0, 0};
  EXPECT_EQ(CountStations(eight), 0u);
  const Bytes headAndEmptyName = {1, 0, 0, 0, 2, 0, 0, 0, 0};
  EXPECT_EQ(CountStations(headAndEmptyName), 1u);
}

TEST(StationList, RecordsComeInOrderNumberedFromOneWithFlagsUnchanged) {
  const Bytes stored = Join({StationBytes(kStationFlagButton, 87500000, "Radio One"),
                             StationBytes(0xFFFFFFFE, 101700000, ""),
                             StationBytes(0x80000001, 4294967295u, "Last")});
  const auto list = ReadAll(stored);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].frequency, 87500000u);
  EXPECT_EQ(list[0].flags, kStationFlagButton);
  EXPECT_EQ(list[0].number, 1u);
  EXPECT_STREQ(list[0].name, "Radio One");
  EXPECT_EQ(list[1].flags, 0xFFFFFFFEu);
  EXPECT_EQ(list[1].number, 2u);
  EXPECT_STREQ(list[1].name, "");
  EXPECT_EQ(list[2].frequency, 4294967295u);
  EXPECT_EQ(list[2].flags, 0x80000001u);
  EXPECT_EQ(list[2].number, 3u);
}

TEST(StationList, ARecordCutShortEndsTheListAtTheLastWholeOne) {
  Bytes stored = Join({StationBytes(1, 100000000, "Kept"), StationBytes(0, 90000000, "Cut")});
  stored.pop_back();  // the last name loses its NUL
  auto list = ReadAll(stored);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_STREQ(list[0].name, "Kept");

  // A head without any name byte, and a head cut inside, are dropped too.
  for (size_t extra : {8u, 5u}) {
    Bytes partial = StationBytes(1, 100000000, "Kept");
    const Bytes next = StationBytes(2, 2, "X");
    partial.insert(partial.end(), next.begin(), next.begin() + extra);
    EXPECT_EQ(CountStations(partial), 1u) << extra;
  }
}

TEST(StationList, LongNamesAreCutTo255CharactersAndTerminated) {
  const std::string name(300, 'n');
  const Bytes stored = Join({StationBytes(0, 1, name), StationBytes(0, 2, "after")});
  const auto list = ReadAll(stored);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(std::strlen(list[0].name), kStationNameSize - 1);
  EXPECT_EQ(std::string(list[0].name), name.substr(0, kStationNameSize - 1));
  EXPECT_STREQ(list[1].name, "after");  // the walk resumes after the whole long name

  const std::string exact(kStationNameSize - 1, 'e');
  EXPECT_STREQ(ToStationInfo({0, 0, exact}, 1).name, exact.c_str());
}

TEST(StationList, ReadingStopsAtTheCapacity) {
  const Bytes stored = Join({StationBytes(0, 1, "a"), StationBytes(0, 2, "b"), StationBytes(0, 3, "c")});
  StationInfo two[2] = {};
  EXPECT_EQ(ReadStations(stored, two, 2), 2u);
  EXPECT_EQ(two[1].frequency, 2u);
  EXPECT_EQ(ReadStations(stored, nullptr, 0), 0u);
}
