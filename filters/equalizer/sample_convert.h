// The per-sample loops of the equalizer: one channel of interleaved PCM into
// doubles, and doubles back into whole samples. Vector code where SSE2 is
// there (every build of the suite), with the same results as the plain
// loops that finish the odd ends.
#pragma once

#include <cstddef>
#include <cstdint>

namespace eq {

// Channel `channel` of n interleaved frames of `channels` 16-bit samples
// (or 8-bit ones, read as byte - 128), each times amp when amplify.
void DecodeChannel16(const uint8_t* frames, int channels, int channel, uint32_t n, bool amplify, double amp,
                     double* out);
void DecodeChannel8(const uint8_t* frames, int channels, int channel, uint32_t n, bool amplify, double amp,
                    double* out);

// whole[j] = trunc(clamp(time[j] * scale, low, high) + offset).
void Quantize(const double* time, uint32_t n, double scale, double low, double high, double offset, int32_t* whole);

// Whole samples back into channel `channel` of interleaved frames.
void StoreChannel16(const int32_t* whole, int channels, int channel, uint32_t n, uint8_t* frames);
void StoreChannel8(const int32_t* whole, int channels, int channel, uint32_t n, uint8_t* frames);
// Both channels of stereo 16-bit frames at once.
void StoreStereo16(const int32_t* left, const int32_t* right, uint32_t n, uint8_t* frames);

// Sum, largest and smallest of the sample levels; the smallest of no
// samples is 65535.
struct LevelTotals {
  uint64_t sum = 0;
  int32_t peak = 0;
  int32_t minimum = 65535;
};
// 16-bit samples: |s|, so -32768 counts as 32768.
LevelTotals MeasureLevels16(const int32_t* whole, uint32_t n);
// 8-bit samples u (0 .. 255): u - 128 from 128 up, 127 - u below.
LevelTotals MeasureLevels8(const int32_t* whole, uint32_t n);

}  // namespace eq
