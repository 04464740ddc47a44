// Random blocks through the name test, the latch, the later-block check and
// the decoder: nothing may read outside the block or the buffers it sizes.
#include <cstdint>
#include <cstring>
#include <vector>

#include "filters/common/pcm_decode.h"
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

  // Decode every whole frame and the whole block, as the plug-ins do.
  const uint32_t frames = filters::FramesPerBlock(*format, kFrame);
  const uint32_t frameBytes = filters::FrameBytes(*format, kFrame);
  std::vector<double> left(kFrame), right(kFrame);
  const uint8_t* samples = block.data + kPcmHeaderSize;
  for (uint32_t k = 0; k < frames; ++k)
    filters::DecodeFrames(*format, samples + k * frameBytes, kFrame, left.data(), right.data());
  const uint32_t all = format->SampleFrames();
  std::vector<double> l(all), r(all);
  filters::DecodeFrames(*format, samples, all, l.data(), format->channels == 2 ? r.data() : nullptr);
  if (all > 0) {
    const int last = filters::SampleAt(*format, samples, all - 1, format->channels - 1u);
    if (last < -32768 || last > 32767) __builtin_trap();
  }
  return 0;
}
