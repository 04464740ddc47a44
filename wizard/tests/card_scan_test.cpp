#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>
#include <vector>

#include "wizard/card_scan.h"

namespace wizard {
namespace {

using Place = std::tuple<uint32_t, uint32_t, uint32_t>;

// A bus of answering functions; every other place fails, as PCIInfo does.
// It counts the places asked, so a test sees where the scan stopped.
struct FakeBus {
  std::map<Place, PciHeader> functions;
  std::vector<Place> asked;

  void Add(Place at, uint16_t vendor, uint16_t device, uint32_t bar0 = 0, uint32_t bar1 = 0) {
    PciHeader h{};
    auto put = [&h](size_t at, uint32_t v, int bytes) {
      for (int i = 0; i < bytes; ++i) h[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    put(0, vendor, 2);
    put(2, device, 2);
    put(16, bar0, 4);
    put(20, bar1, 4);
    functions[at] = h;
  }
  PciHeaderReader Reader() {
    return [this](const PciLocation& at, PciHeader& header) {
      const Place p{at.bus, at.device, at.function};
      asked.push_back(p);
      const auto it = functions.find(p);
      if (it == functions.end()) return false;
      header = it->second;
      return true;
    };
  }
};

constexpr uint16_t kBtVendor = 0x109E;
constexpr uint16_t kSaaVendor = 0x1131;

TEST(CardScan, ChipIdRangesWithTheirEdges) {
  struct Row {
    CardChip chip;
    uint16_t vendor, device;
    bool match;
  };
  const Row rows[] = {
      {CardChip::kBt8xx, kBtVendor, 0x034F, false},   {CardChip::kBt8xx, kBtVendor, 0x0350, true},
      {CardChip::kBt8xx, kBtVendor, 0x036E, true},    {CardChip::kBt8xx, kBtVendor, 0x0370, true},
      {CardChip::kBt8xx, kBtVendor, 0x0371, false},   {CardChip::kBt8xx, kSaaVendor, 0x0350, false},
      {CardChip::kSaa713x, kSaaVendor, 0x712F, false}, {CardChip::kSaa713x, kSaaVendor, 0x7130, true},
      {CardChip::kSaa713x, kSaaVendor, 0x713F, true},  {CardChip::kSaa713x, kSaaVendor, 0x7140, false},
      {CardChip::kSaa713x, kBtVendor, 0x7134, false},
  };
  for (const Row& r : rows)
    EXPECT_EQ(IsChip(r.chip, r.vendor, r.device), r.match) << std::hex << r.vendor << ":" << r.device;
}

TEST(CardScan, FirstMatchInBusDeviceFunctionOrderAcrossBuses) {
  FakeBus bus;
  bus.Add({0, 0, 0}, 0x8086, 0x1237);
  bus.Add({1, 3, 0}, kSaaVendor, 0x7134);
  bus.Add({1, 3, 1}, kBtVendor, 0x0878);  // the BT878's audio function: not a match
  bus.Add({1, 4, 0}, kBtVendor, 0x036E);
  bus.Add({1, 5, 0}, kBtVendor, 0x0350);
  const auto bt = FindCard(CardChip::kBt8xx, bus.Reader());
  ASSERT_TRUE(bt);
  EXPECT_EQ(std::tie(bt->location.bus, bt->location.device, bt->location.function), std::make_tuple(1u, 4u, 0u));
  const auto saa = FindCard(CardChip::kSaa713x, bus.Reader());
  ASSERT_TRUE(saa);
  EXPECT_EQ(std::tie(saa->location.bus, saa->location.device), std::make_tuple(1u, 3u));
}

TEST(CardScan, FailingOrAbsentFunctionEndsItsDevice) {
  FakeBus bus;
  bus.Add({0, 0, 0}, 0x8086, 0x1237);
  bus.Add({0, 1, 0}, 0xFFFF, 0xFFFF);             // absent function 0 ...
  bus.Add({0, 1, 1}, kSaaVendor, 0x7134);         // ... hides function 1
  bus.Add({0, 2, 2}, kSaaVendor, 0x7134);         // function 0 fails: never asked
  EXPECT_FALSE(FindCard(CardChip::kSaa713x, bus.Reader()));
  EXPECT_EQ(std::count(bus.asked.begin(), bus.asked.end(), Place{0, 1, 1}), 0);
  EXPECT_EQ(std::count(bus.asked.begin(), bus.asked.end(), Place{0, 2, 1}), 0);
  // The scan went on with the next devices and buses.
  EXPECT_EQ(std::count(bus.asked.begin(), bus.asked.end(), Place{0, 31, 0}), 1);
}

TEST(CardScan, BusWhereNothingAnsweredEndsTheSearch) {
  FakeBus bus;
  bus.Add({0, 0, 0}, 0x8086, 0x1237);
  bus.Add({1, 0, 0}, 0xFFFF, 0);              // answers, but with no vendor
  bus.Add({2, 0, 0}, kBtVendor, 0x036E);     // beyond the silent bus
  EXPECT_FALSE(FindCard(CardChip::kBt8xx, bus.Reader()));
  EXPECT_EQ(bus.asked.back(), (Place{1, 31, 0}));

  FakeBus empty;
  EXPECT_FALSE(FindCard(CardChip::kBt8xx, empty.Reader()));
  EXPECT_EQ(empty.asked.size(), 32u);  // function 0 of every device on bus 0
}

TEST(CardScan, MapRequestFromTheFirstBaseAddressRegister) {
  struct Row {
    uint32_t bar0, bar1;
    bool mappable;
    uint32_t low, high;
    const char* what;
  };
  const Row rows[] = {
      {0xE3000000, 0x12345678, true, 0xE3000000, 0, "32-bit memory"},
      {0xE3000008, 0x12345678, true, 0xE3000000, 0, "32-bit prefetchable: the next register is not its high half"},
      {0xE300000C, 0x00000002, true, 0xE3000000, 2, "64-bit prefetchable"},
      {0xF0000004, 0x00000001, true, 0xF0000000, 1, "64-bit"},
      {0x0000D001, 0, false, 0, 0, "I/O ports"},
  };
  for (const Row& r : rows) {
    FakeBus bus;
    for (uint32_t b = 0; b < 3; ++b) bus.Add({b, 0, 0}, 0x8086, 0x244E);
    bus.Add({3, 7, 0}, kSaaVendor, 0x7133, r.bar0, r.bar1);
    const auto card = FindCard(CardChip::kSaa713x, bus.Reader());
    ASSERT_TRUE(card) << r.what;
    const auto request = RegisterMapRequest(*card);
    ASSERT_EQ(request.has_value(), r.mappable) << r.what;
    if (!request) continue;
    EXPECT_EQ(request->addressLow, r.low) << r.what;
    EXPECT_EQ(request->addressHigh, r.high) << r.what;
    EXPECT_EQ(request->bus, 3u) << r.what;
    EXPECT_EQ(request->zero, 0u) << r.what;
    EXPECT_EQ(request->length, 4096u) << r.what;
  }
}

}  // namespace
}  // namespace wizard
