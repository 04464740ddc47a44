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
  uint8_t* out = frames + channel * 2;
  const std::size_t stride = static_cast<std::size_t>(channels) * 2;
  for (uint32_t j = 0; j < n; ++j, out += stride) {
    const int16_t s = static_cast<int16_t>(whole[j]);  // little-endian, as the block
    std::memcpy(out, &s, sizeof s);
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
  // Four lanes of 32-bit sums, emptied before they can overflow.
  constexpr uint32_t kChunk = 4 * 65536;
  __m128i peak = _mm_setzero_si128(), low = _mm_set1_epi32(t.minimum);
  while (j + 4 <= n) {
    __m128i sum = _mm_setzero_si128();
    const uint32_t end = n - j > kChunk ? j + kChunk : n - (n - j) % 4;
    for (; j < end; j += 4) {
      const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(whole + j));
      const __m128i sign = _mm_srai_epi32(x, 31);
      const __m128i level = _mm_sub_epi32(_mm_xor_si128(x, sign), sign);
      sum = _mm_add_epi32(sum, level);
      const __m128i higher = _mm_cmpgt_epi32(level, peak);
      peak = _mm_or_si128(_mm_and_si128(higher, level), _mm_andnot_si128(higher, peak));
      const __m128i lower = _mm_cmplt_epi32(level, low);
      low = _mm_or_si128(_mm_and_si128(lower, level), _mm_andnot_si128(lower, low));
    }
    alignas(16) uint32_t lanes[4];
    _mm_store_si128(reinterpret_cast<__m128i*>(lanes), sum);
    t.sum += static_cast<uint64_t>(lanes[0]) + lanes[1] + lanes[2] + lanes[3];
  }
  alignas(16) int32_t peaks[4], lows[4];
  _mm_store_si128(reinterpret_cast<__m128i*>(peaks), peak);
  _mm_store_si128(reinterpret_cast<__m128i*>(lows), low);
  for (int i = 0; i < 4; ++i) {
    t.peak = peaks[i] > t.peak ? peaks[i] : t.peak;
    t.minimum = lows[i] < t.minimum ? lows[i] : t.minimum;
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
