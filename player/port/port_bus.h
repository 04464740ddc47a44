// The simulated PCI bus of the KvPort.dll stand-in, read from a text file
// (format: docs/kvport-bus.md), and the mappings made of its register memory.
// Portable; the DLL's exports only lock and translate.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/pci_header.h"

namespace port {

constexpr uint32_t kDefaultMemory = 4096;
// Larger register memories are a typing error, not a card.
constexpr uint32_t kMaxMemory = 1u << 20;
// All functions' register memory together: a file of thousands of functions
// must not take the process's memory.
constexpr uint32_t kMaxTotalMemory = 16u << 20;

struct PciFunction {
  uint32_t bus = 0;
  uint32_t device = 0;
  uint32_t function = 0;
  std::array<uint8_t, pci::kHeaderSize> header{};
  // The memory the first base address register decodes (its register file),
  // at the physical address that register holds.
  std::vector<uint8_t> memory = std::vector<uint8_t>(kDefaultMemory);

  // The physical address of the register memory; none when the first base
  // address register decodes I/O ports or is unassigned (0).
  std::optional<uint64_t> MemoryBase() const;
};

class Bus {
 public:
  const std::vector<PciFunction>& functions() const { return functions_; }
  PciFunction& last() { return functions_.back(); }
  const PciFunction* Find(uint32_t bus, uint32_t device, uint32_t function) const;
  // A new function at that place; null when the place is taken.
  PciFunction* Add(uint32_t bus, uint32_t device, uint32_t function);

 private:
  std::vector<PciFunction> functions_;            // in the file's order
  std::unordered_map<uint32_t, size_t> index_;  // place -> position in functions_
};

struct ParseResult {
  Bus bus;            // empty unless the whole file is well formed
  std::string error;  // "line N: why", empty when well formed
};

ParseResult ParseBus(std::string_view text);

// Mappings of register memory into this process: each is an address inside
// the simulated memory of one function, valid until it is unmapped.
class Mappings {
 public:
  explicit Mappings(Bus bus) : bus_(std::move(bus)) {}

  const Bus& bus() const { return bus_; }
  // The address of physical [address, address + length), when one function's
  // register memory covers all of it.
  std::optional<uintptr_t> Map(uint64_t address, uint32_t length);
  // Copies count bytes from address when all of them lie in one live mapping.
  bool Read(uintptr_t address, uint32_t count, void* destination) const;
  // Releases one mapping made at address with this length.
  bool Unmap(uintptr_t address, uint32_t length);

  size_t live() const { return live_.size(); }
  uint32_t made() const { return made_; }

 private:
  struct Mapping {
    uintptr_t address;
    uint32_t length;
  };
  Bus bus_;
  std::vector<Mapping> live_;
  uint32_t made_ = 0;
};

}  // namespace port
