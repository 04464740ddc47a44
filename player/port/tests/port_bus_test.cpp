#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "player/port/port_bus.h"

namespace port {
namespace {

constexpr char kTwoCards[] =
    "# a bridge and two cards\n"
    "function 0 0 0\n"
    "vendor 0x8086\r\n"
    "device 0x1237   # host bridge\n"
    "\n"
    "function 0 9 0\n"
    "vendor 0x109E\n"
    "device 878\n"
    "bar 0 0xE3000008\n"
    "config 0x2C 0xAABBCCDD\n"
    "reg 0x200 0x00F0000F\n"
    "function 2 31 7\n"
    "vendor 0x1131\n"
    "bar 0 0x0000000C\n"
    "bar 1 0x00000001\n"
    "memory 0x2000\n"
    "reg 0x1FFF 0xA5 1\n"
    "reg 0x16E 0x0102 2\n";

uint32_t Word(const uint8_t* p) { return pci::Word32(p, 0); }

TEST(PortBus, ReadsFunctionsHeadersAndRegisters) {
  const ParseResult parsed = ParseBus(kTwoCards);
  ASSERT_EQ(parsed.error, "");
  const Bus& bus = parsed.bus;
  ASSERT_EQ(bus.functions().size(), 3u);
  const PciFunction* bt = bus.Find(0, 9, 0);
  ASSERT_TRUE(bt);
  EXPECT_EQ(Word(&bt->header[0]), 878u << 16 | 0x109E);
  EXPECT_EQ(Word(&bt->header[16]), 0xE3000008u);
  EXPECT_EQ(Word(&bt->header[0x2C]), 0xAABBCCDDu);
  EXPECT_EQ(bt->MemoryBase(), 0xE3000000u);
  EXPECT_EQ(bt->memory.size(), kDefaultMemory);
  EXPECT_EQ(Word(&bt->memory[0x200]), 0x00F0000Fu);

  const PciFunction* saa = bus.Find(2, 31, 7);
  ASSERT_TRUE(saa);
  EXPECT_EQ(saa->MemoryBase(), 0x100000000u);  // 64-bit: the next register is the high half
  EXPECT_EQ(saa->memory.size(), 0x2000u);
  EXPECT_EQ(saa->memory[0x1FFF], 0xA5);
  EXPECT_EQ(saa->memory[0x16E], 0x02);
  EXPECT_EQ(saa->memory[0x16F], 0x01);
  EXPECT_FALSE(bus.Find(0, 9, 1));
  EXPECT_FALSE(bus.Find(256, 0, 0));
}

TEST(PortBus, MalformedFileHasNoDevicesAndNamesTheLine) {
  struct Row {
    std::string text;
    const char* error;
  };
  const Row rows[] = {
      {"vendor 0x109E\n", "line 1: 'vendor' before the first 'function'"},
      {"function 0 0\n", "line 1: function takes a bus 0-255, a device 0-31 and a function 0-7"},
      {"function 0 32 0\n", "line 1: function takes a bus 0-255, a device 0-31 and a function 0-7"},
      {"function 256 0 0\n", "line 1: function takes a bus 0-255, a device 0-31 and a function 0-7"},
      {"function 0 0 0\nfunction 0 0 0\n", "line 2: function described twice"},
      {"function 0 0 0\nvendor 0x10000\n", "line 2: vendor takes one 16-bit number"},
      {"function 0 0 0\nbar 6 1\n", "line 2: bar takes a register 0-5 and a value"},
      {"function 0 0 0\nbar 0 0x100000000\n", "line 2: '0x100000000' is not a number of 32 bits"},
      {"function 0 0 0\nbar 0 99999999999999999999999\n", "line 2: '99999999999999999999999' is not a number of 32 bits"},
      {"function 0 0 0\nbar 0 -1\n", "line 2: '-1' is not a number of 32 bits"},
      {"function 0 0 0\nconfig 62 1\n", "line 2: config takes an offset (a multiple of 4 below 64) and a value"},
      {"function 0 0 0\nconfig 64 1\n", "line 2: config takes an offset (a multiple of 4 below 64) and a value"},
      {"function 0 0 0\nmemory 0\n", "line 2: memory takes a size of 1 to 1048576 bytes"},
      {"function 0 0 0\nmemory 0x100001\n", "line 2: memory takes a size of 1 to 1048576 bytes"},
      {"function 0 0 0\nreg 0 1\nmemory 8\n", "line 3: memory after a reg line"},
      {"function 0 0 0\nreg 0xFFD 1\n", "line 2: reg lies past the register memory"},
      {"function 0 0 0\nreg 0xFFFFFFFF 1 1\n", "line 2: reg lies past the register memory"},
      {"function 0 0 0\nreg 0 0x100 1\n", "line 2: reg value wider than its width"},
      {"function 0 0 0\nreg 0 1 3\n", "line 2: reg takes an offset, a value and a width of 1, 2 or 4"},
      {"function 0 0 0\nreg 0x200\n", "line 2: reg takes an offset, a value and a width of 1, 2 or 4"},
      {"function 0 0 0\nvend", "line 2: 'vend' is not a word of the format"},
      {"function 0 0 0\nbar 0", "line 2: bar takes a register 0-5 and a value"},  // the file ends mid-line
      {std::string("function 0 0 0\nvendor 1\0 2\n", 26), "line 2: a NUL byte"},
  };
  for (const Row& r : rows) {
    const ParseResult parsed = ParseBus(r.text);
    EXPECT_EQ(parsed.error, r.error) << r.text;
    EXPECT_TRUE(parsed.bus.functions().empty()) << r.text;
  }
}

TEST(PortBus, ThousandsOfFunctions) {
  std::string text;
  for (uint32_t bus = 0; bus < 40; ++bus)
    for (uint32_t device = 0; device < 32; ++device)
      for (uint32_t function = 0; function < 8; ++function)
        text += "function " + std::to_string(bus) + " " + std::to_string(device) + " " + std::to_string(function) +
                "\nvendor " + std::to_string(device) + "\nmemory 16\n";
  const ParseResult parsed = ParseBus(text);
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.bus.functions().size(), 40u * 32 * 8);
  ASSERT_TRUE(parsed.bus.Find(39, 31, 7));
  EXPECT_EQ(parsed.bus.Find(39, 31, 7)->header[0], 31);
}

// Each function holds 4 KiB unless told otherwise, so the cap counts both the
// default memories and the ones the file sets.
TEST(PortBus, RegisterMemoryIsCappedInAll) {
  std::string sixteen;  // 16 MiB exactly: allowed
  for (uint32_t device = 0; device < 16; ++device)
    sixteen += "function 0 " + std::to_string(device) + " 0\nmemory 1048576\n";
  ASSERT_EQ(ParseBus(sixteen).error, "");
  EXPECT_EQ(ParseBus(sixteen + "function 1 0 0\n").error, "line 33: register memory of more than 16777216 bytes in all");

  std::string defaults;  // 4096 functions of 4 KiB fill the cap; a memory line replaces its function's 4 KiB
  for (uint32_t place = 0; place < 4096; ++place)
    defaults += "function " + std::to_string(place / 256) + " " + std::to_string(place / 8 % 32) + " " +
                std::to_string(place % 8) + "\n";
  EXPECT_EQ(ParseBus(defaults + "function 16 0 0\n").error, "line 4097: register memory of more than 16777216 bytes in all");
  EXPECT_EQ(ParseBus(defaults + "memory 4096\n").error, "");
  EXPECT_EQ(ParseBus(defaults + "memory 4097\n").error, "line 4097: register memory of more than 16777216 bytes in all");
}

TEST(PortMappings, OnlyCoveredRangesMapAndReadsStayInsideLiveMappings) {
  Mappings m(ParseBus(kTwoCards).bus);
  EXPECT_FALSE(m.Map(0xE3000000, 0));
  EXPECT_FALSE(m.Map(0xE2FFF000, 4096));  // starts before the card
  EXPECT_FALSE(m.Map(0xE3000001, 4096));  // ends past it
  EXPECT_FALSE(m.Map(0x0, 4096));         // the bridge has no memory register
  EXPECT_EQ(m.made(), 0u);

  const auto bt = m.Map(0xE3000000, 4096);
  const auto saa = m.Map(0x100001000, 0x1000);  // the upper half of the 64-bit card's memory
  ASSERT_TRUE(bt && saa);
  EXPECT_EQ(m.live(), 2u);
  uint8_t bytes[8] = {};
  ASSERT_TRUE(m.Read(*bt + 0x200, 4, bytes));
  EXPECT_EQ(Word(bytes), 0x00F0000Fu);
  ASSERT_TRUE(m.Read(*saa + 0xFFF, 1, bytes));
  EXPECT_EQ(bytes[0], 0xA5);
  EXPECT_TRUE(m.Read(*bt + 4096, 0, bytes));
  EXPECT_FALSE(m.Read(*bt + 4093, 4, bytes));   // one byte past the window
  EXPECT_FALSE(m.Read(*bt - 1, 1, bytes));
  EXPECT_FALSE(m.Read(*bt, 4, nullptr));

  EXPECT_FALSE(m.Unmap(*bt, 4095));             // the length must be the mapped one
  EXPECT_TRUE(m.Unmap(*bt, 4096));
  EXPECT_FALSE(m.Unmap(*bt, 4096));
  EXPECT_FALSE(m.Read(*bt + 0x200, 4, bytes));  // gone with its mapping
  EXPECT_EQ(m.live(), 1u);
  EXPECT_EQ(m.made(), 2u);
}

}  // namespace
}  // namespace port
