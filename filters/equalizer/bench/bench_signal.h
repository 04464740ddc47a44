// What every equalizer benchmark feeds in: stereo 16-bit music-like sound
// at 44100 Hz, and settings with every band set.
#pragma once

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "host/records.h"

namespace eqbench {

inline constexpr uint32_t kRate = 44100;
inline constexpr int kBlockSizes[] = {1024, 4096, 8192};
// Band gains in percent, lowest band first; none of them 0.
inline constexpr int32_t kBandPercent[kEqBands] = {60, 30, -20, -40, 20, 50, -30, 80, -50, 40};
inline constexpr int32_t kAmpPercent = -10;

inline void SetAllBands(EqualizerShared& rec) {
  for (EqChannelSettings* s : {&rec.left, &rec.right}) {
    s->disable = 0;
    s->amp = kAmpPercent;
    for (int b = 0; b < kEqBands; ++b) s->gain[b] = kBandPercent[b];
  }
}

// Interleaved stereo 16-bit samples, little-endian bytes.
inline std::vector<uint8_t> StereoSignal(std::size_t frames, unsigned seed) {
  std::mt19937 rng(seed);
  std::normal_distribution<double> noise(0, 1500);
  std::vector<uint8_t> b(frames * 4);
  for (std::size_t i = 0; i < frames * 2; ++i) {
    const double t = static_cast<double>(i / 2) / kRate;
    const double v = 7000 * std::sin(2 * 3.14159265358979 * 110 * t) + 4000 * std::sin(2 * 3.14159265358979 * 1250 * t) +
                     2000 * std::sin(2 * 3.14159265358979 * 7300 * t + (i & 1)) + noise(rng);
    const int s = static_cast<int>(std::lround(std::fmax(-32768.0, std::fmin(32767.0, v))));
    b[2 * i] = static_cast<uint8_t>(s & 0xFF);
    b[2 * i + 1] = static_cast<uint8_t>((s >> 8) & 0xFF);
  }
  return b;
}

}  // namespace eqbench
