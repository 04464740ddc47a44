#include "wizard/card_scan.h"

#include "host/pci_header.h"

namespace wizard {
namespace {

struct ChipIds {
  uint16_t vendor;
  uint16_t firstDevice;
  uint16_t lastDevice;
};
constexpr ChipIds kBt8xx{0x109E, 0x0350, 0x0370};
constexpr ChipIds kSaa713x{0x1131, 0x7130, 0x713F};

}  // namespace

bool IsChip(CardChip chip, uint16_t vendor, uint16_t device) {
  const ChipIds& ids = chip == CardChip::kSaa713x ? kSaa713x : kBt8xx;
  return vendor == ids.vendor && device >= ids.firstDevice && device <= ids.lastDevice;
}

std::optional<FoundCard> FindCard(CardChip chip, const PciHeaderReader& read) {
  FoundCard card;
  for (uint32_t bus = 0; bus < pci::kBuses; ++bus) {
    bool anyAnswered = false;
    for (uint32_t device = 0; device < pci::kDevices; ++device) {
      for (uint32_t function = 0; function < pci::kFunctions; ++function) {
        card.location = {bus, device, function};
        card.header.fill(0xFF);
        if (!read(card.location, card.header)) break;
        const uint16_t vendor = pci::Word16(card.header.data(), pci::kVendorAt);
        if (vendor == pci::kNoVendor) break;
        anyAnswered = true;
        if (IsChip(chip, vendor, pci::Word16(card.header.data(), pci::kDeviceAt))) return card;
      }
    }
    if (!anyAnswered) return std::nullopt;
  }
  return std::nullopt;
}

std::optional<MapRequest> RegisterMapRequest(const FoundCard& card) {
  const auto base = pci::FirstMemoryBase(card.header.data());
  if (!base) return std::nullopt;
  MapRequest request;
  request.addressLow = static_cast<uint32_t>(*base);
  request.addressHigh = static_cast<uint32_t>(*base >> 32);
  request.bus = card.location.bus;
  request.length = kRegisterWindow;
  return request;
}

}  // namespace wizard
