// The stored station list as the engine reads it.
#include "player/engine/station_list.h"

#include <gtest/gtest.h>

#include <string>

namespace engine {
namespace {

// One stored record: flags and frequency little-endian, then the name and,
// unless cut short, its NUL.
std::string Record(uint32_t flags, uint32_t hertz, const std::string& name, bool terminated = true) {
  std::string r;
  for (const uint32_t word : {flags, hertz})
    for (int shift = 0; shift < 32; shift += 8) r.push_back(static_cast<char>(word >> shift));
  r += name;
  if (terminated) r.push_back('\0');
  return r;
}

std::vector<StationInfo> Parse(const std::string& stored) {
  return ParseStationList(reinterpret_cast<const uint8_t*>(stored.data()), stored.size());
}

TEST(StationList, WholeRecordsInStoredOrder) {
  const auto list = Parse(Record(1, 101'700'000, "Alpha") + Record(0x80000006, 89'300'000, "") +
                          Record(0, 0xFFFFFFFF, "Gamma FM"));
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].frequency, 101'700'000u);
  EXPECT_EQ(list[0].flags, 1u);
  EXPECT_STREQ(list[0].name, "Alpha");
  EXPECT_EQ(list[1].flags, 0x80000006u) << "flags pass through";
  EXPECT_STREQ(list[1].name, "") << "a name may be empty";
  EXPECT_EQ(list[2].frequency, 0xFFFFFFFFu);
  EXPECT_STREQ(list[2].name, "Gamma FM");
  for (size_t i = 0; i < list.size(); ++i) EXPECT_EQ(list[i].number, i + 1);
}

TEST(StationList, DamagedDataEndsTheListAtTheLastWholeRecord) {
  const std::string alpha = Record(1, 101'700'000, "Alpha");
  const struct {
    const char* what;
    std::string stored;
    size_t count;
  } cases[] = {
      {"nothing", "", 0},
      {"a head alone", Record(1, 100'000'000, "", false), 0},
      {"a head with a lone NUL", Record(1, 100'000'000, ""), 1},
      {"a name without its NUL", alpha + Record(0, 95'000'000, "Beta", false), 1},
      {"a tail shorter than a record", alpha + std::string(8, '\0'), 1},
      {"a name without its NUL after a head of zeros", alpha + Record(0, 0, "x", false), 1},
  };
  for (const auto& c : cases) {
    const auto list = Parse(c.stored);
    EXPECT_EQ(list.size(), c.count) << c.what;
    if (!list.empty()) EXPECT_EQ(list.front().number, 1u) << c.what;
  }
  EXPECT_TRUE(ParseStationList(nullptr, 0).empty());
}

TEST(StationList, LongNamesAreCutTo255Characters) {
  const auto list = Parse(Record(0, 100'000'000, std::string(300, 'n')) + Record(0, 95'000'000, "Next"));
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(std::string(list[0].name), std::string(255, 'n'));
  EXPECT_STREQ(list[1].name, "Next") << "the next record starts after the whole stored name";
}

}  // namespace
}  // namespace engine
