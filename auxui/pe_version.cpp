#include "auxui/pe_version.h"

#include <cstring>

bool MemoryFileBytes::ReadAt(uint32_t offset, uint8_t* out, size_t size) {
  if (offset > file_.size() || size > file_.size() - offset) return false;
  if (size > 0) std::memcpy(out, file_.data() + offset, size);
  return true;
}

uint32_t ReadEngineVersion(FileBytes& file) {
  uint8_t dos[kDosHeaderSize];
  if (!file.ReadAt(0, dos, sizeof dos)) return kNoVersion;
  uint32_t peOffset;
  std::memcpy(&peOffset, dos + kPeHeaderOffsetAt, sizeof peOffset);
  uint8_t pe[kPeHeadersSize];
  if (!file.ReadAt(peOffset, pe, sizeof pe)) return kNoVersion;
  uint16_t minor;
  std::memcpy(&minor, pe + kMinorImageVersionAt, sizeof minor);
  return minor < kHighestVersion ? minor + 1u : kNoVersion;
}
