// Finding a tuner card on the PCI bus and the mapping request for its
// registers. Portable: the configuration reads come through a function, so
// the scan is tested without a bus.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "host/pci_header.h"

namespace wizard {

enum class CardChip : int { kBt8xx = 0, kSaa713x = 1 };

struct PciLocation {
  uint32_t bus = 0;
  uint32_t device = 0;
  uint32_t function = 0;
};

// The first 64 bytes of a function's configuration space.
using PciHeader = std::array<uint8_t, pci::kHeaderSize>;

// Reads one function's header; false when the function does not answer.
using PciHeaderReader = std::function<bool(const PciLocation&, PciHeader&)>;

struct FoundCard {
  PciLocation location;
  PciHeader header{};
};

// What MemMap takes: physical address (low, high), bus, a zero, length.
struct MapRequest {
  uint32_t addressLow = 0;
  uint32_t addressHigh = 0;
  uint32_t bus = 0;
  uint32_t zero = 0;
  uint32_t length = 0;
};
static_assert(sizeof(MapRequest) == 20, "MemMap reads five 32-bit words");

// The card registers are mapped in one page.
constexpr uint32_t kRegisterWindow = 4096;

bool IsChip(CardChip chip, uint16_t vendor, uint16_t device);

// Bus 0-255, device 0-31, function 0-7; a function that fails or reads vendor
// 0xFFFF ends its device, a bus where nothing answered ends the search.
// The first function of the chip wins.
std::optional<FoundCard> FindCard(CardChip chip, const PciHeaderReader& read);

// The request for the card's first base address register; none when that
// register decodes I/O ports, which cannot be mapped as memory.
std::optional<MapRequest> RegisterMapRequest(const FoundCard& card);

}  // namespace wizard
