// Random blocks through the equalizer's Filter2 path: the format-name test,
// the latch and the checks of later blocks answer with the contract's codes
// and leave refused blocks alone; processing stays in bounds, leaves fully
// bypassed blocks alone, and within the presets' ranges agrees with the
// straightforward computation.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "filters/equalizer/equalizer_filter.h"
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

// Whether the samples of a block still equal the bytes it was made from.
bool Untouched(const std::vector<uint8_t>& blockData, const std::vector<uint8_t>& samples, size_t from = 0) {
  return std::equal(samples.begin() + from, samples.end(), blockData.begin() + kPcmHeaderSize + from);
}

// A block as the engine hands it over, owning its bytes.
struct Block {
  FilterBlock record{};
  std::vector<uint8_t> data;
  Block(const char* name, const PcmHeader& header, const std::vector<uint8_t>& samples) {
    std::strncpy(record.formatName, name, kFormatNameLength - 1);
    data.resize(kPcmHeaderSize);
    std::memcpy(data.data(), &header, sizeof header);
    data.insert(data.end(), samples.begin(), samples.end());
    record.dataSize = static_cast<uint32_t>(data.size());
    record.data = data.data();
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Reader in{data, size};
  const uint8_t shape = in.Take<uint8_t>();
  const char* names[] = {"PCM", "PCM", "pcm", "PCMX"};
  const char* name = names[(shape >> 5) & 3];
  PcmHeader header{};
  header.formatTag = 1;
  header.channels = shape & 3;
  header.bitsPerSample = (shape & 4) ? 16 : 8;
  if (shape & 8) header.bitsPerSample = in.Take<uint8_t>();  // also widths it must refuse
  header.samplesPerSec = in.Take<uint16_t>() * 2u;
  const bool narrow = (shape & 16) != 0;  // settings within the presets' ranges
  EqualizerShared rec{};
  for (EqChannelSettings* s : {&rec.left, &rec.right}) {
    const uint8_t flags = in.Take<uint8_t>();
    s->disable = flags & 1;
    s->amp = narrow ? in.Take<uint8_t>() - 100 : in.Take<int32_t>();
    for (int32_t& g : s->gain) g = narrow ? in.Take<uint16_t>() % 501 - 100 : in.Take<int32_t>();
  }
  const int8_t resize = in.Take<int8_t>();
  const std::vector<uint8_t> samples(in.data, in.data + in.size);

  eq::EqualizerFilter filter;
  if (filter.Filter(nullptr, rec) != kFilterRefused) __builtin_trap();
  Block first(name, header, samples);
  const FilterResult result = filter.Filter(&first.record, rec);

  const bool pcm = std::strcmp(name, "PCM") == 0;
  const bool holdable = header.channels >= 1 && header.channels <= 2 &&
                        (header.bitsPerSample == 8 || header.bitsPerSample == 16);
  const size_t frameBytes = holdable ? header.channels * (header.bitsPerSample / 8u) : 1;
  const size_t frames = samples.size() / frameBytes;
  const FilterResult expected =
      !pcm || !holdable ? kFilterRefused : frames == 0 ? kFilterSystemError : kFilterOk;
  if (result != expected || filter.setUp() != (expected == kFilterOk)) __builtin_trap();
  if (result != kFilterOk) {
    if (!Untouched(first.data, samples)) __builtin_trap();
    return 0;
  }

  if (!LevelsInRange(rec.sound.left) || !LevelsInRange(rec.sound.right)) __builtin_trap();
  if (header.channels == 1 && std::memcmp(&rec.sound.left, &rec.sound.right, sizeof rec.sound.left) != 0) {
    __builtin_trap();
  }
  const std::vector<uint8_t> out(first.data.begin() + kPcmHeaderSize, first.data.end());
  const bool bypassAll = rec.left.disable && (header.channels == 1 || rec.right.disable);
  if (bypassAll && out != samples) __builtin_trap();
  // Bytes of a partial frame at the end are never touched.
  const size_t used = frames * frameBytes;
  if (!Untouched(first.data, samples, used)) __builtin_trap();
  if (InPresetRange(rec.left) && InPresetRange(rec.right) && frames <= 4096) {
    const eqtest::Format f{header.channels, header.bitsPerSample, header.samplesPerSec};
    const std::vector<uint8_t> whole(samples.begin(), samples.begin() + used);
    const auto ref = eqtest::ReferenceEqualize(whole, f, rec);
    std::string why;
    if (!eqtest::Matches(std::vector<uint8_t>(out.begin(), out.begin() + used), rec.sound, ref, f, &why)) {
      std::fprintf(stderr, "differs from the reference: %s\n", why.c_str());
      __builtin_trap();
    }
  }

  // A later block of another size or header is refused and left alone; one
  // of the latched size goes through the same buffers and plans.
  std::vector<uint8_t> other = samples;
  other.resize(resize < 0 && static_cast<size_t>(-resize) > other.size() ? 0 : other.size() + resize);
  Block second(name, header, other);
  const FilterResult again = filter.Filter(&second.record, rec);
  if (again != (resize == 0 ? kFilterOk : kFilterRefused)) __builtin_trap();
  if (again != kFilterOk && !Untouched(second.data, other)) __builtin_trap();
  PcmHeader changed = header;
  changed.blockAlign ^= 1;
  Block third(name, changed, samples);
  if (filter.Filter(&third.record, rec) != kFilterRefused) __builtin_trap();
  if (!Untouched(third.data, samples)) __builtin_trap();
  if (!LevelsInRange(rec.sound.left) || !LevelsInRange(rec.sound.right)) __builtin_trap();
  return 0;
}
