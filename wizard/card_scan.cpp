#include "wizard/card_scan.h"

namespace wizard {
namespace {

constexpr uint32_t kBuses = 256;
constexpr uint32_t kDevices = 32;
constexpr uint32_t kFunctions = 8;
constexpr uint16_t kNoVendor = 0xFFFF;

constexpr size_t kVendorAt = 0;
constexpr size_t kDeviceAt = 2;
constexpr size_t kFirstBarAt = 16;
constexpr size_t kSecondBarAt = 20;

// Base address register bits: bit 0 marks I/O space; bits 1-2 give a memory
// register's width, 2 meaning 64 bits with the high half in the next register.
constexpr uint32_t kIoSpace = 0x1;
constexpr uint32_t kMemoryTypeMask = 0x6;
constexpr uint32_t kMemory64 = 0x4;
constexpr uint32_t kMemoryFlags = 0xF;

struct ChipIds {
  uint16_t vendor;
  uint16_t firstDevice;
  uint16_t lastDevice;
};
constexpr ChipIds kBt8xx{0x109E, 0x0350, 0x0370};
constexpr ChipIds kSaa713x{0x1131, 0x7130, 0x713F};

uint16_t Word16(const PciHeader& h, size_t at) { return static_cast<uint16_t>(h[at] | h[at + 1] << 8); }
uint32_t Word32(const PciHeader& h, size_t at) {
  return static_cast<uint32_t>(h[at]) | static_cast<uint32_t>(h[at + 1]) << 8 |
         static_cast<uint32_t>(h[at + 2]) << 16 | static_cast<uint32_t>(h[at + 3]) << 24;
}

}  // namespace

bool IsChip(CardChip chip, uint16_t vendor, uint16_t device) {
  const ChipIds& ids = chip == CardChip::kSaa713x ? kSaa713x : kBt8xx;
  return vendor == ids.vendor && device >= ids.firstDevice && device <= ids.lastDevice;
}

std::optional<FoundCard> FindCard(CardChip chip, const PciHeaderReader& read) {
  FoundCard card;
  for (uint32_t bus = 0; bus < kBuses; ++bus) {
    bool anyAnswered = false;
    for (uint32_t device = 0; device < kDevices; ++device) {
      for (uint32_t function = 0; function < kFunctions; ++function) {
        card.location = {bus, device, function};
        card.header.fill(0xFF);
        if (!read(card.location, card.header)) break;
        const uint16_t vendor = Word16(card.header, kVendorAt);
        if (vendor == kNoVendor) break;
        anyAnswered = true;
        if (IsChip(chip, vendor, Word16(card.header, kDeviceAt))) return card;
      }
    }
    if (!anyAnswered) return std::nullopt;
  }
  return std::nullopt;
}

std::optional<MapRequest> RegisterMapRequest(const FoundCard& card) {
  const uint32_t first = Word32(card.header, kFirstBarAt);
  if (first & kIoSpace) return std::nullopt;
  MapRequest request;
  request.addressLow = first & ~kMemoryFlags;
  if ((first & kMemoryTypeMask) == kMemory64) request.addressHigh = Word32(card.header, kSecondBarAt);
  request.bus = card.location.bus;
  request.length = kRegisterWindow;
  return request;
}

}  // namespace wizard
