#include "wizard/card_registers_win.h"

#include <cstring>

namespace wizard {

CardRegisters::~CardRegisters() { Release(); }

bool CardRegisters::Load() {
  if (port_) return true;
  kv::Library port(LoadLibraryA("KvPort.dll"));
  auto pciInfo = port.Export<PciInfoFn>("PCIInfo");
  auto memMap = port.Export<MemMapFn>("MemMap");
  auto memRead = port.Export<MemReadFn>("MemRead");
  auto memUnmap = port.Export<MemUnmapFn>("MemUnmap");
  if (!pciInfo || !memMap || !memRead || !memUnmap) return false;
  port_ = std::move(port);
  pciInfo_ = pciInfo;
  memMap_ = memMap;
  memRead_ = memRead;
  memUnmap_ = memUnmap;
  return true;
}

bool CardRegisters::Map(CardChip chip) {
  const auto card = FindCard(chip, [this](const PciLocation& at, PciHeader& header) {
    const uint32_t location[3] = {at.bus, at.device, at.function};
    return pciInfo_(location, header.data()) != 0;
  });
  if (!card) return false;
  const auto request = RegisterMapRequest(*card);
  if (!request) return false;
  uint32_t words[5];
  std::memcpy(words, &*request, sizeof words);
  uint32_t address = 0;
  if (!memMap_(words, &address)) return false;
  mapped_ = true;
  chip_ = chip;
  address_ = address;
  return true;
}

void CardRegisters::Unmap() {
  if (!mapped_) return;
  memUnmap_(address_, kRegisterWindow);
  mapped_ = false;
  address_ = 0;
}

bool CardRegisters::Read(CardChip chip, uint32_t offset, uint32_t count, void* destination) {
  if (!destination) return false;
  if (mapped_ && chip_ != chip) Unmap();
  if (!mapped_ && !(Load() && Map(chip))) return false;
  // Past the mapped page is another device's business, and the sum must not wrap.
  if (offset > kRegisterWindow || count > kRegisterWindow - offset) return false;
  return memRead_(address_ + offset, count, destination) != 0;
}

void CardRegisters::Release() {
  Unmap();
  pciInfo_ = nullptr;
  memMap_ = nullptr;
  memRead_ = nullptr;
  memUnmap_ = nullptr;
  port_.reset();
}

}  // namespace wizard
