// The layout of a PCI function's 64-byte configuration header, as far as
// the wizard's card page and the KvPort.dll stand-in read it. Portable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace pci {

// Places on the bus.
constexpr uint32_t kBuses = 256;
constexpr uint32_t kDevices = 32;
constexpr uint32_t kFunctions = 8;

constexpr size_t kHeaderSize = 64;
constexpr size_t kVendorAt = 0;
constexpr size_t kDeviceAt = 2;
constexpr size_t kFirstBarAt = 16;
constexpr size_t kBars = 6;
constexpr uint16_t kNoVendor = 0xFFFF;  // what an absent function reads

// Little-endian words of the header.
inline uint32_t Word32(const uint8_t* header, size_t at) {
  return static_cast<uint32_t>(header[at]) | static_cast<uint32_t>(header[at + 1]) << 8 |
         static_cast<uint32_t>(header[at + 2]) << 16 | static_cast<uint32_t>(header[at + 3]) << 24;
}
inline uint16_t Word16(const uint8_t* header, size_t at) {
  return static_cast<uint16_t>(header[at] | header[at + 1] << 8);
}

// The physical address the first base address register decodes. Bit 0 marks
// I/O ports (no memory: none); bits 1-2 equal to 2 make it 64 bits wide with
// the high half in the second register; bit 3 (prefetchable) and the other
// low flag bits are not part of the address.
inline std::optional<uint64_t> FirstMemoryBase(const uint8_t* header) {
  constexpr uint32_t kIoSpace = 0x1, kTypeMask = 0x6, kType64 = 0x4, kFlags = 0xF;
  const uint32_t first = Word32(header, kFirstBarAt);
  if (first & kIoSpace) return std::nullopt;
  uint64_t base = first & ~kFlags;
  if ((first & kTypeMask) == kType64) base |= static_cast<uint64_t>(Word32(header, kFirstBarAt + 4)) << 32;
  return base;
}

}  // namespace pci
