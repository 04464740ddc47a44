// Random blocks through the name test, the latch and the later-block check:
// the frames the plug-ins read, as the latch sizes them, lie inside the block.
#include <cstdint>
#include <cstring>
#include <vector>

#include "filters/common/stream_format.h"

namespace {
constexpr uint32_t kFrame = 576;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* input, size_t size) {
  if (size < 5) return 0;
  // Byte 0 picks the name, byte 1 how the declared size relates to the real one.
  FilterBlock block{};
  static const char* const kNames[] = {"PCM", "pcm", "PCMX", ""};
  std::strncpy(block.formatName, kNames[input[0] % 4], sizeof block.formatName);
  std::vector<uint8_t> data(input + 2, input + size);
  block.data = data.empty() ? nullptr : data.data();
  const uint32_t real = static_cast<uint32_t>(data.size());
  block.dataSize = (input[1] & 1) ? real : real / 2;  // never more than what is there

  if (!filters::IsPcmBlock(&block)) return 0;
  const auto format = filters::LatchFormat(block);
  if (!format) return 0;
  if (!format->Matches(block)) __builtin_trap();  // a block always matches its own latch

  // Every whole frame, and every sample frame, lies within the block's samples.
  const uint64_t frames = filters::FramesPerBlock(*format, kFrame);
  if (frames * filters::FrameBytes(*format, kFrame) > format->sampleBytes) __builtin_trap();
  const uint64_t sampleFrameBytes = format->channels * (format->bitsPerSample / 8u);
  if (format->SampleFrames() * sampleFrameBytes > format->sampleBytes) __builtin_trap();
  if (kPcmHeaderSize + static_cast<uint64_t>(format->sampleBytes) > block.dataSize) __builtin_trap();
  return 0;
}
