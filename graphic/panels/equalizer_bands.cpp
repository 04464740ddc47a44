#include "graphic/panels/equalizer_bands.h"

#include <algorithm>
#include <array>

namespace vrx {
namespace {

// Ten sliders over the 31-band plug-in: the bands each one drives.
constexpr std::array<BandGroup, 10> kTenOfThirtyOne{{
    {0, 7}, {7, 10}, {10, 14}, {14, 17}, {17, 20}, {20, 24}, {24, 27}, {27, 28}, {28, 29}, {29, 31}}};

}  // namespace

BandGroup GroupOf(uint32_t slider, uint32_t sliders, uint32_t bands) {
  if (slider == 0 || slider > sliders || bands == 0) return {};
  if (bands == kTonal31.bands && sliders == kTenOfThirtyOne.size()) return kTenOfThirtyOne[slider - 1];
  // 64 bits: the products stay exact for any count.
  const auto lo = static_cast<uint32_t>(uint64_t{slider - 1} * bands / sliders);
  auto hi = static_cast<uint32_t>(uint64_t{slider} * bands / sliders);
  if (lo == hi) hi = lo + 1;
  return {lo, hi};
}

int32_t PositionOfGain(int32_t gain) {
  const int32_t g = std::clamp(gain, kGainMin, kGainMax);
  return g < 0 ? kBandPositionFlat + 4 * g : kBandPositionFlat + g;
}

std::optional<int32_t> GainOfPosition(int32_t min, int32_t max, int32_t position) {
  if (max <= min) return std::nullopt;
  const int64_t lo = min, hi = max;
  const int64_t mid = lo + (hi - lo) / 2;
  const int64_t p = std::clamp<int64_t>(position, lo, hi);
  if (p < mid) return static_cast<int32_t>((p - mid) * -kGainMin / (mid - lo));
  if (hi == mid) return 0;
  return static_cast<int32_t>((p - mid) * kGainMax / (hi - mid));
}

std::string BandKey(const char* prefix, uint32_t band) { return prefix + std::to_string(band); }

bool EqualizerRecord::Enabled() const { return words_[kBypass] == 0; }

void EqualizerRecord::SetEnabled(bool on) {
  const int32_t bypass = on ? 0 : 1;
  words_[kBypass] = bypass;
  words_[Right() + kBypass] = bypass;
}

int32_t EqualizerRecord::Position(BandGroup group) const {
  if (group.first >= group.end || group.end > bands_) return kBandPositionFlat;
  int32_t largest = LeftGain(group.first);
  for (uint32_t b = group.first + 1; b < group.end; ++b) largest = std::max(largest, LeftGain(b));
  return PositionOfGain(largest);
}

void EqualizerRecord::SetGroup(BandGroup group, int32_t gain, int32_t* gains) {
  for (uint32_t b = 0; b < bands_; ++b) gains[b] = (b >= group.first && b < group.end) ? gain : LeftGain(b);
  for (uint32_t b = 0; b < bands_; ++b) words_[kGains + b] = gains[b];
  for (uint32_t b = 0; b < bands_; ++b) words_[Right() + kGains + b] = gains[b];
}

}  // namespace vrx
