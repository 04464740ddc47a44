// Random settings and random blocks through the latch and the analysis of
// every whole frame: no read outside the frame, no undefined arithmetic for
// any MWave, BWave, MSpec or BSpec.
#include <cstdint>
#include <cstring>
#include <vector>

#include "filters/analyzer/frame_analysis.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* input, size_t size) {
  static prismo::FrameAnalysis* analysis = [] {
    auto* a = new prismo::FrameAnalysis;
    return a->Prepare() ? a : nullptr;
  }();
  if (!analysis || size < 16) return 0;  // four words of settings first
  uint32_t words[4];
  std::memcpy(words, input, sizeof words);
  prismo::AnalyzerSettings settings;
  settings.waveMagnify = static_cast<int32_t>(words[0]);
  settings.waveBase = static_cast<int32_t>(words[1]);
  settings.spectrumNorm = words[2];
  settings.spectrumBase = static_cast<int32_t>(words[3]);

  // Then the 16 header bytes, two bytes of block length and sample bytes
  // that repeat to fill it, so that short inputs reach whole frames.
  if (size < 34) return 0;
  const size_t length = (input[32] | (input[33] << 8)) % (4 * 576 * 3 + 100);
  std::vector<uint8_t> data(input + 16, input + 32);
  const size_t restAt = 34;
  for (size_t i = 0; i < length; ++i) data.push_back(size > restAt ? input[restAt + i % (size - restAt)] : 0);
  FilterBlock block{};
  std::strcpy(block.formatName, "PCM");
  block.data = data.data();
  block.dataSize = static_cast<uint32_t>(data.size());
  const auto format = filters::LatchFormat(block);
  if (!format) return 0;
  const uint32_t frames = filters::FramesPerBlock(*format, prismo::kFrameLength);
  const uint32_t frameBytes = filters::FrameBytes(*format, prismo::kFrameLength);
  if (frameBytes > prismo::kMaxFrameBytes) __builtin_trap();  // the worker's frame buffer
  PrismoInfo out;
  for (uint32_t k = 0; k < frames; ++k)
    analysis->Analyze(*format, data.data() + kPcmHeaderSize + static_cast<size_t>(k) * frameBytes, settings, out);
  if (format->channels == 1 && frames > 0 &&
      (std::memcmp(out.waveLeft, out.waveRight, sizeof out.waveLeft) != 0 ||
       std::memcmp(out.spectrumLeft, out.spectrumRight, sizeof out.spectrumLeft) != 0))
    __builtin_trap();  // mono shows the same in both rows
  return 0;
}
