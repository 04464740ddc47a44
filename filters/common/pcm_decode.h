// PCM samples as the plug-ins read them: 8-bit samples are unsigned with
// silence at 128 and read as byte - 128; 16-bit samples are signed
// little-endian. Channels are interleaved (left, right, left, ...).
#pragma once

#include <cstdint>

namespace filters {

inline int DecodeSample8(uint8_t byte) { return static_cast<int>(byte) - 128; }

inline int DecodeSample16(const uint8_t* bytes) {
  return static_cast<int16_t>(static_cast<uint16_t>(bytes[0] | (bytes[1] << 8)));
}

}  // namespace filters
