// The built-in TV driver's register reads: GPIO and audio multiplexer state
// of the tuner card, through KvPort.dll loaded by name.
#pragma once

#include <cstdint>

#include "host/kv_port.h"
#include "host/win_handle.h"
#include "wizard/card_scan.h"

namespace wizard {

// Reads a tuner card's registers through KvPort.dll, holding at most one
// mapping (for one chip) at a time.
class CardRegisters {
 public:
  CardRegisters() = default;
  ~CardRegisters();  // releases the mapping
  CardRegisters(const CardRegisters&) = delete;
  CardRegisters& operator=(const CardRegisters&) = delete;
  // Copies count bytes at register offset of the first card with this
  // chip into destination; false when there is no such card, the mapping
  // or the read fails, or KvPort.dll is missing.
  bool Read(CardChip chip, uint32_t offset, uint32_t count, void* destination);
  // Releases the mapping (MemUnmap, 4096) and lets KvPort.dll go.
  void Release();

 private:
  bool Load();
  bool Map(CardChip chip);
  void Unmap();

  kv::Library port_;
  PciInfoFn pciInfo_ = nullptr;
  MemMapFn memMap_ = nullptr;
  MemReadFn memRead_ = nullptr;
  MemUnmapFn memUnmap_ = nullptr;
  bool mapped_ = false;
  CardChip chip_ = CardChip::kBt8xx;
  uint32_t address_ = 0;
};

}  // namespace wizard
