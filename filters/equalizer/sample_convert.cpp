#include "filters/equalizer/sample_convert.h"

#include <cstring>

#include "filters/common/pcm_decode.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace eq {
namespace {

#if defined(__SSE2__)
// Four 32-bit samples to doubles, times amp when amplify.
inline void StoreFour(__m128i v, bool amplify, __m128d amp, double* out) {
  __m128d lo = _mm_cvtepi32_pd(v);
  __m128d hi = _mm_cvtepi32_pd(_mm_shuffle_epi32(v, _MM_SHUFFLE(1, 0, 3, 2)));
  if (amplify) {
    lo = _mm_mul_pd(lo, amp);
    hi = _mm_mul_pd(hi, amp);
  }
  _mm_storeu_pd(out, lo);
  _mm_storeu_pd(out + 2, hi);
}
#endif

}  // namespace

void DecodeChannel16(const uint8_t* frames, int channels, int channel, uint32_t n, bool amplify, double amp,
                     double* out) {
  uint32_t j = 0;
#if defined(__SSE2__)
  // Sixteen bytes hold four stereo frames or eight mono ones; loads start at
  // a frame, so they never reach past the block.
  const __m128d a = _mm_set1_pd(amp);
  if (channels == 2) {
    for (; j + 4 <= n; j += 4) {
      const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(frames + 4 * j));
      const __m128i v = channel == 0 ? _mm_srai_epi32(_mm_slli_epi32(x, 16), 16) : _mm_srai_epi32(x, 16);
      StoreFour(v, amplify, a, out + j);
    }
  } else {
    for (; j + 8 <= n; j += 8) {
      const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(frames + 2 * j));
      StoreFour(_mm_srai_epi32(_mm_unpacklo_epi16(x, x), 16), amplify, a, out + j);
      StoreFour(_mm_srai_epi32(_mm_unpackhi_epi16(x, x), 16), amplify, a, out + j + 4);
    }
  }
#endif
  const std::size_t stride = static_cast<std::size_t>(channels) * 2;
  for (; j < n; ++j) {
    const double x = filters::DecodeSample16(frames + j * stride + channel * 2);
    out[j] = amplify ? x * amp : x;
  }
}

void DecodeChannel8(const uint8_t* frames, int channels, int channel, uint32_t n, bool amplify, double amp,
                    double* out) {
  for (uint32_t j = 0; j < n; ++j) {
    const double x = filters::DecodeSample8(frames[static_cast<std::size_t>(j) * channels + channel]);
    out[j] = amplify ? x * amp : x;
  }
}

void Quantize(const double* time, uint32_t n, double scale, double low, double high, double offset, int32_t* whole) {
  uint32_t j = 0;
#if defined(__SSE2__)
  const __m128d s = _mm_set1_pd(scale), lo = _mm_set1_pd(low), hi = _mm_set1_pd(high), off = _mm_set1_pd(offset);
  for (; j + 4 <= n; j += 4) {
    const __m128d a = _mm_add_pd(_mm_min_pd(_mm_max_pd(_mm_mul_pd(_mm_loadu_pd(time + j), s), lo), hi), off);
    const __m128d b = _mm_add_pd(_mm_min_pd(_mm_max_pd(_mm_mul_pd(_mm_loadu_pd(time + j + 2), s), lo), hi), off);
    const __m128i w = _mm_unpacklo_epi64(_mm_cvttpd_epi32(a), _mm_cvttpd_epi32(b));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(whole + j), w);
  }
#endif
  for (; j < n; ++j) {
    double v = time[j] * scale;
    v = v < low ? low : v;
    v = v > high ? high : v;
    whole[j] = static_cast<int32_t>(v + offset);
  }
}

void StoreChannel16(const int32_t* whole, int channels, int channel, uint32_t n, uint8_t* frames) {
  const std::size_t stride = static_cast<std::size_t>(channels) * 2;
  for (uint32_t j = 0; j < n; ++j) {
    const int16_t s = static_cast<int16_t>(whole[j]);  // little-endian, as the block
    std::memcpy(frames + j * stride + channel * 2, &s, sizeof s);
  }
}

void StoreChannel8(const int32_t* whole, int channels, int channel, uint32_t n, uint8_t* frames) {
  for (uint32_t j = 0; j < n; ++j) frames[static_cast<std::size_t>(j) * channels + channel] = static_cast<uint8_t>(whole[j]);
}

void StoreStereo16(const int32_t* left, const int32_t* right, uint32_t n, uint8_t* frames) {
  uint32_t j = 0;
#if defined(__SSE2__)
  // The values lie within 16 bits already, so packing never saturates.
  for (; j + 4 <= n; j += 4) {
    const __m128i l = _mm_loadu_si128(reinterpret_cast<const __m128i*>(left + j));
    const __m128i r = _mm_loadu_si128(reinterpret_cast<const __m128i*>(right + j));
    const __m128i both = _mm_unpacklo_epi16(_mm_packs_epi32(l, l), _mm_packs_epi32(r, r));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(frames + 4 * j), both);
  }
#endif
  StoreChannel16(left + j, 2, 0, n - j, frames + 4 * j);
  StoreChannel16(right + j, 2, 1, n - j, frames + 4 * j);
}

LevelTotals MeasureLevels16(const int32_t* whole, uint32_t n) {
  LevelTotals t;
  uint32_t j = 0;
#if defined(__SSE2__)
  // Levels run from 0 to 32768; less 32768 they fit in signed 16 bits, eight
  // to a register, where SSE2 has maximum, minimum and pairwise sums. The
  // four 32-bit sums of a chunk stay above -65536 * 16384.
  constexpr uint32_t kChunk = 8 * 16384;
  const __m128i full = _mm_set1_epi32(32768), ones = _mm_set1_epi16(1);
  __m128i peak = _mm_set1_epi16(-32768), low = _mm_set1_epi16(0);
  const auto shifted = [&](const int32_t* p) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i sign = _mm_srai_epi32(x, 31);
    return _mm_sub_epi32(_mm_sub_epi32(_mm_xor_si128(x, sign), sign), full);
  };
  while (j + 8 <= n) {
    const uint32_t end = n - j > kChunk ? j + kChunk : n - (n - j) % 8;
    const uint32_t count = end - j;
    __m128i sum = _mm_setzero_si128();
    for (; j < end; j += 8) {
      const __m128i level = _mm_packs_epi32(shifted(whole + j), shifted(whole + j + 4));
      peak = _mm_max_epi16(peak, level);
      low = _mm_min_epi16(low, level);
      sum = _mm_add_epi32(sum, _mm_madd_epi16(level, ones));
    }
    alignas(16) int32_t lanes[4];
    _mm_store_si128(reinterpret_cast<__m128i*>(lanes), sum);
    const int64_t chunk = static_cast<int64_t>(lanes[0]) + lanes[1] + lanes[2] + lanes[3];
    t.sum += static_cast<uint64_t>(chunk + 32768 * static_cast<int64_t>(count));
  }
  if (j > 0) {
    alignas(16) int16_t peaks[8], lows[8];
    _mm_store_si128(reinterpret_cast<__m128i*>(peaks), peak);
    _mm_store_si128(reinterpret_cast<__m128i*>(lows), low);
    for (int i = 0; i < 8; ++i) {
      t.peak = peaks[i] + 32768 > t.peak ? peaks[i] + 32768 : t.peak;
      t.minimum = lows[i] + 32768 < t.minimum ? lows[i] + 32768 : t.minimum;
    }
  }
#endif
  for (; j < n; ++j) {
    const int32_t level = whole[j] < 0 ? -whole[j] : whole[j];
    t.sum += static_cast<uint32_t>(level);
    t.peak = level > t.peak ? level : t.peak;
    t.minimum = level < t.minimum ? level : t.minimum;
  }
  return t;
}

LevelTotals MeasureLevels8(const int32_t* whole, uint32_t n) {
  LevelTotals t;
  for (uint32_t j = 0; j < n; ++j) {
    const int32_t level = whole[j] >= 128 ? whole[j] - 128 : 127 - whole[j];
    t.sum += static_cast<uint32_t>(level);
    t.peak = level > t.peak ? level : t.peak;
    t.minimum = level < t.minimum ? level : t.minimum;
  }
  return t;
}

}  // namespace eq
