// The audio-filter contract shared by the plug-ins: the block's format name,
// the stream format latched from the first accepted block, and the frame
// arithmetic derived from it. Portable: no windows.h.
//
// Typical use in Filter2:
//   if (!filters::IsPcmBlock(block)) return kFilterRefused;
//   if (!latched) { auto f = filters::LatchFormat(*block); if (!f) return kFilterRefused; ... }
//   if (!format.Matches(*block)) return kFilterRefused;
#pragma once

#include <cstdint>
#include <optional>

#include "host/records.h"

namespace filters {

// The only sample format the plug-ins take, compared case-sensitively.
inline constexpr char kPcmFormatName[] = "PCM";

// The plug-ins hold at most two channels of 8 or 16 bits.
inline constexpr uint16_t kMaxChannels = 2;

// True when block is not null and its format name is exactly "PCM" (the
// terminating NUL included; nothing past it is read).
bool IsPcmBlock(const FilterBlock* block);

// The stream format latched at set-up: the 16 header bytes as they came, the
// values taken from them, and the number of sample bytes of every block.
struct StreamFormat {
  uint8_t header[kPcmHeaderSize];
  uint16_t channels;       // 1 or 2
  uint16_t bitsPerSample;  // 8 or 16
  uint32_t samplesPerSec;
  uint32_t sampleBytes;    // data size - 16

  uint32_t BytesPerSample() const { return bitsPerSample / 8u; }
  // Bytes of one sample frame (one sample of every channel).
  uint32_t SampleFrameBytes() const { return BytesPerSample() * channels; }
  // Whole sample frames in a block; a partial one at the end is dropped.
  uint32_t SampleFrames() const { return sampleBytes / channels / BytesPerSample(); }

  // A later block fits when its 16 header bytes equal the latched ones and
  // its data size is sampleBytes + 16 (and its data pointer is not null).
  bool Matches(const FilterBlock& block) const;
};

// Reads the format of a first block. Empty (refuse with 2) when the block
// cannot be held: a null data pointer, a data size below 16, no channels or
// more than two, or bits per sample other than 8 or 16. The format name is
// not looked at here.
std::optional<StreamFormat> LatchFormat(const FilterBlock& block);

// ---- frames: runs of frameLength sample frames cut from a block
// Whole frames per block; the remainder is never used.
uint32_t FramesPerBlock(const StreamFormat& format, uint32_t frameLength);
// Bytes of one frame of frameLength sample frames.
uint32_t FrameBytes(const StreamFormat& format, uint32_t frameLength);
// Duration of a frame in milliseconds: frameLength / rate * 1000. Infinite for
// a rate of 0 (callers must not convert it to an integer unchecked).
double FrameDurationMs(const StreamFormat& format, uint32_t frameLength);

}  // namespace filters
