// The card page's register reads against the real KvPort.dll: each test
// copies the DLL into a folder of its own beside a bus file it writes, and
// points the library search there, so the DLL reads that file when loaded.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "host/pci_header.h"
#include "host/win_handle.h"
#include "tests/support/wintest.h"
#include "wizard/card_registers_win.h"

namespace wizard {
namespace {

constexpr char kBridge[] = "function 0 0 0\nvendor 0x8086\ndevice 0x1237\n";
constexpr char kBt878[] =
    "function 0 9 0\nvendor 0x109E\ndevice 0x036E\nbar 0 0xE3000008\nbar 1 0x77\n"
    "reg 0x200 0x0000A5C6\n";
// On bus 1, behind a 64-bit register above 4 GiB.
constexpr char kSaa7134[] =
    "function 1 2 0\nvendor 0x1131\ndevice 0x7134\nbar 0 0x8000000C\nbar 1 0x1\n"
    "reg 0x1B4 0x12345678\nreg 0x16E 0xFD 1\nreg 0x0FFC 0xCAFE\n";

// A folder with a copy of KvPort.dll and the given bus file (none when
// null), searched for DLLs for the object's life.
class BusFolder {
 public:
  BusFolder(const std::string& name, const char* bus) : folder_(wintest::TempFolder() + name + "\\") {
    CreateDirectoryA(folder_.c_str(), nullptr);
    copied_ = CopyFileA((wintest::InstallFolder() + "KvPort.dll").c_str(), (folder_ + "KvPort.dll").c_str(), FALSE);
    if (bus) copied_ = copied_ && wintest::WriteFileText(folder_ + "KvPort.bus", bus);
    SetDllDirectoryA(folder_.c_str());
  }
  ~BusFolder() { SetDllDirectoryA(nullptr); }
  bool ready() const { return copied_; }

 private:
  std::string folder_;
  bool copied_ = false;
};

struct Stats {
  uint32_t live = 0, made = 0;
  bool operator==(const Stats&) const = default;
};
// The stand-in's count of mappings, asked of the loaded copy.
Stats MappingStats() {
  Stats s;
  const kv::Library port(LoadLibraryA("KvPort.dll"));
  const auto stats = port.Export<KvBool(KV_CALL*)(uint32_t*, uint32_t*)>("MemMapStats");
  if (!stats || !stats(&s.live, &s.made)) ADD_FAILURE() << "no MemMapStats";
  return s;
}
bool PortLoaded() { return GetModuleHandleA("KvPort.dll") != nullptr; }

TEST(CardRegisters, ReadsEachChipAndKeepsOneMapping) {
  ASSERT_FALSE(PortLoaded());
  const BusFolder folder("both", (std::string(kBridge) + kBt878 + kSaa7134).c_str());
  ASSERT_TRUE(folder.ready());
  CardRegisters registers;
  struct Row {
    CardChip chip;
    uint32_t offset, count, value;
    Stats after;
  };
  const Row rows[] = {
      {CardChip::kBt8xx, 0x200, 4, 0x0000A5C6, {1, 1}},
      {CardChip::kBt8xx, 0x200, 4, 0x0000A5C6, {1, 1}},  // the same chip's mapping serves again
      {CardChip::kSaa713x, 0x1B4, 4, 0x12345678, {1, 2}},  // the BT8xx mapping went first
      {CardChip::kSaa713x, 0x16E, 1, 0xFD, {1, 2}},
      {CardChip::kSaa713x, 0xFFC, 4, 0xCAFE, {1, 2}},     // the last word of the page
      {CardChip::kBt8xx, 0x200, 4, 0x0000A5C6, {1, 3}},
  };
  for (const Row& r : rows) {
    uint32_t value = 0;
    EXPECT_TRUE(registers.Read(r.chip, r.offset, r.count, &value)) << r.offset;
    EXPECT_EQ(value, r.value) << r.offset;
    EXPECT_EQ(MappingStats(), r.after) << r.offset;
  }
  registers.Release();
  EXPECT_FALSE(PortLoaded());
  // A read after the release maps again.
  uint32_t value = 0;
  EXPECT_TRUE(registers.Read(CardChip::kSaa713x, 0x1B4, 4, &value));
  EXPECT_EQ(value, 0x12345678u);
}

TEST(CardRegisters, ReadsThatCannotBeServedFail) {
  ASSERT_FALSE(PortLoaded());
  const BusFolder folder("saa-only", (std::string(kBridge) + kSaa7134).c_str());
  ASSERT_TRUE(folder.ready());
  CardRegisters registers;
  uint32_t value = 0x5A5A5A5A;
  EXPECT_FALSE(registers.Read(CardChip::kBt8xx, 0x200, 4, &value));
  EXPECT_EQ(value, 0x5A5A5A5Au);
  EXPECT_TRUE(registers.Read(CardChip::kSaa713x, 0x1B4, 4, &value));
  // Past the mapped page: refused before the library is asked.
  EXPECT_FALSE(registers.Read(CardChip::kSaa713x, 0xFFD, 4, &value));
  EXPECT_FALSE(registers.Read(CardChip::kSaa713x, 0xFFFFFFFF, 2, &value));
  EXPECT_FALSE(registers.Read(CardChip::kSaa713x, 0, 4, nullptr));
  EXPECT_EQ(MappingStats(), (Stats{1, 1}));
}

TEST(CardRegisters, MissingOrMalformedBusFileHasNoCards) {
  struct Row {
    const char* name;
    const char* bus;
  };
  const Row rows[] = {
      {"no-file", nullptr},
      {"malformed", "function 0 0 0\nvendor 0x8086\nfunction 0 9 0\nvendor 0x109E\ndevice 0x036E\nbar 0\n"},
      {"empty", ""},
  };
  for (const Row& r : rows) {
    ASSERT_FALSE(PortLoaded()) << r.name;
    const BusFolder folder(r.name, r.bus);
    ASSERT_TRUE(folder.ready()) << r.name;
    CardRegisters registers;
    uint32_t value = 0;
    EXPECT_FALSE(registers.Read(CardChip::kBt8xx, 0x200, 4, &value)) << r.name;
    EXPECT_FALSE(registers.Read(CardChip::kSaa713x, 0x1B4, 4, &value)) << r.name;
    EXPECT_EQ(MappingStats(), Stats{}) << r.name;
  }
}

// A bus asking for more memory than the process has is left empty and kept:
// a better file written later is not read while the library stays loaded.
TEST(CardRegisters, BusTooLargeForMemoryIsReadOnce) {
  ASSERT_FALSE(PortLoaded());
  std::string huge;  // 4 GiB of register memory
  for (uint32_t place = 0; place < 4096; ++place)
    huge += "function " + std::to_string(place / 32) + " " + std::to_string(place % 32) + " 0\nmemory 1048576\n";
  const BusFolder folder("huge", huge.c_str());
  ASSERT_TRUE(folder.ready());
  const kv::Library port(LoadLibraryA("KvPort.dll"));
  const auto info = port.Export<PciInfoFn>("PCIInfo");
  ASSERT_TRUE(info);
  const uint32_t first[3] = {0, 0, 0};
  uint8_t header[pci::kHeaderSize] = {};
  EXPECT_FALSE(info(first, header));
  ASSERT_TRUE(wintest::WriteFileText(wintest::TempFolder() + "huge\\KvPort.bus", kBridge));
  EXPECT_FALSE(info(first, header)) << "the file was read again";
}

}  // namespace
}  // namespace wizard
