// Random formats, sizes, settings and samples through the equalizer core:
// set-up answers with a result code, processing stays in bounds, bypassed
// channels are left alone, and within the presets' ranges every block
// agrees with the straightforward computation.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "filters/equalizer/equalizer_core.h"
#include "filters/equalizer/tests/reference_equalizer.h"

namespace {

struct Reader {
  const uint8_t* data;
  size_t size;
  template <typename T>
  T Take() {
    T v{};
    const size_t n = size < sizeof v ? size : sizeof v;
    std::memcpy(&v, data, n);
    data += n;
    size -= n;
    return v;
  }
};

bool InPresetRange(const EqChannelSettings& s) {
  if (s.amp < -100 || s.amp > 200) return false;
  for (int32_t g : s.gain) {
    if (g < -100 || g > 400) return false;
  }
  return true;
}

bool LevelsInRange(const EqChannelLevels& lv) {
  const auto ok = [](int32_t v) { return v >= 0 && v <= 32768; };
  if (!ok(lv.average) || !ok(lv.peak) || !ok(lv.minimum) || lv.minimum > lv.average || lv.average > lv.peak) {
    return false;
  }
  for (int32_t b : lv.band) {
    if (!ok(b)) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Reader in{data, size};
  const uint8_t shape = in.Take<uint8_t>();
  filters::StreamFormat format{};
  format.channels = shape & 3;
  format.bitsPerSample = (shape & 4) ? 16 : 8;
  if (shape & 8) format.bitsPerSample = in.Take<uint8_t>();  // also formats it must refuse
  format.samplesPerSec = in.Take<uint16_t>() * 2u;
  const bool narrow = (shape & 16) != 0;  // settings within the presets' ranges
  EqualizerShared rec{};
  for (EqChannelSettings* s : {&rec.left, &rec.right}) {
    const uint8_t flags = in.Take<uint8_t>();
    s->disable = flags & 1;
    s->amp = narrow ? in.Take<uint8_t>() - 100 : in.Take<int32_t>();
    for (int32_t& g : s->gain) g = narrow ? in.Take<uint16_t>() % 501 - 100 : in.Take<int32_t>();
  }
  std::vector<uint8_t> block(in.data, in.data + in.size);

  eq::EqualizerCore core;
  format.sampleBytes = static_cast<uint32_t>(block.size());
  const FilterResult result = core.Prepare(format);
  const bool processable = format.channels >= 1 && format.channels <= 2 && (format.bitsPerSample == 8 || format.bitsPerSample == 16);
  if (!processable) {
    if (result != kFilterRefused) __builtin_trap();
    return 0;
  }
  const size_t frameBytes = format.channels * (format.bitsPerSample / 8u);
  if (block.size() < frameBytes) {
    if (result != kFilterSystemError) __builtin_trap();
    return 0;
  }
  if (result != kFilterOk || core.frames() != block.size() / frameBytes) __builtin_trap();
  block.resize(core.frames() * frameBytes);

  const std::vector<uint8_t> input = block;
  const eqtest::Format f{format.channels, format.bitsPerSample, format.samplesPerSec};
  const bool compare = InPresetRange(rec.left) && InPresetRange(rec.right) && core.frames() <= 4096;
  const eqtest::Reference ref = compare ? eqtest::ReferenceEqualize(input, f, rec) : eqtest::Reference{};
  core.Process(block.data(), rec);
  if (!LevelsInRange(rec.sound.left) || !LevelsInRange(rec.sound.right)) __builtin_trap();
  if (format.channels == 1 && std::memcmp(&rec.sound.left, &rec.sound.right, sizeof rec.sound.left) != 0) {
    __builtin_trap();
  }
  const bool bypassAll = rec.left.disable && (format.channels == 1 || rec.right.disable);
  if (bypassAll && block != input) __builtin_trap();
  std::string why;
  if (compare && !eqtest::Matches(block, rec.sound, ref, f, &why)) __builtin_trap();

  // A second block with the gains turned the other way goes through the
  // same buffers and plans.
  for (int32_t& g : rec.left.gain) g = -g;
  core.Process(block.data(), rec);
  if (!LevelsInRange(rec.sound.left) || !LevelsInRange(rec.sound.right)) __builtin_trap();
  return 0;
}
