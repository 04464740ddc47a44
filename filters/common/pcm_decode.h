// PCM samples as the plug-ins read them: 8-bit samples are unsigned with
// silence at 128 and read as byte - 128; 16-bit samples are signed
// little-endian. Channels are interleaved (left, right, left, ...).
#pragma once

#include <cstdint>

#include "filters/common/stream_format.h"

namespace filters {

inline int DecodeSample8(uint8_t byte) { return static_cast<int>(byte) - 128; }

inline int DecodeSample16(const uint8_t* bytes) {
  return static_cast<int16_t>(static_cast<uint16_t>(bytes[0] | (bytes[1] << 8)));
}

// Sample `channel` of sample frame `frame` in interleaved bytes of format.
int SampleAt(const StreamFormat& format, const uint8_t* bytes, uint32_t frame, uint32_t channel);

// Splits `frames` sample frames of interleaved bytes into doubles: channel 0
// into left, channel 1 (stereo only) into right. right may be null for mono
// and is left untouched then. bytes must hold frames * SampleFrameBytes().
void DecodeFrames(const StreamFormat& format, const uint8_t* bytes, uint32_t frames, double* left,
                  double* right);

}  // namespace filters
