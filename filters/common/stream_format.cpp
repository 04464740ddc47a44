#include "filters/common/stream_format.h"

#include <cstring>
#include <limits>

namespace filters {

bool IsPcmBlock(const FilterBlock* block) {
  // sizeof includes the NUL, so "PCMX" and "PCM" followed by junk without a
  // terminator both fail, and nothing beyond four bytes is touched.
  return block != nullptr && std::memcmp(block->formatName, kPcmFormatName, sizeof kPcmFormatName) == 0;
}

bool StreamFormat::Matches(const FilterBlock& block) const {
  return block.data != nullptr && block.dataSize >= kPcmHeaderSize &&
         block.dataSize - kPcmHeaderSize == sampleBytes &&
         std::memcmp(block.data, header, kPcmHeaderSize) == 0;
}

std::optional<StreamFormat> LatchFormat(const FilterBlock& block) {
  if (block.data == nullptr || block.dataSize < kPcmHeaderSize) return std::nullopt;
  PcmHeader pcm;
  std::memcpy(&pcm, block.data, sizeof pcm);  // the block's bytes may be unaligned
  if (pcm.channels == 0 || pcm.channels > kMaxChannels) return std::nullopt;
  if (pcm.bitsPerSample != 8 && pcm.bitsPerSample != 16) return std::nullopt;
  StreamFormat format{};
  std::memcpy(format.header, block.data, kPcmHeaderSize);
  format.channels = pcm.channels;
  format.bitsPerSample = pcm.bitsPerSample;
  format.samplesPerSec = pcm.samplesPerSec;
  format.sampleBytes = block.dataSize - static_cast<uint32_t>(kPcmHeaderSize);
  return format;
}

uint32_t FramesPerBlock(const StreamFormat& format, uint32_t frameLength) {
  return frameLength == 0 ? 0 : format.SampleFrames() / frameLength;
}

uint32_t FrameBytes(const StreamFormat& format, uint32_t frameLength) {
  return format.SampleFrameBytes() * frameLength;
}

double FrameDurationMs(const StreamFormat& format, uint32_t frameLength) {
  if (format.samplesPerSec == 0) return std::numeric_limits<double>::infinity();
  return static_cast<double>(frameLength) / static_cast<double>(format.samplesPerSec) * 1000.0;
}

}  // namespace filters
