#include "filters/analyzer/frame_analysis.h"

#include <fftw3.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <cmath>
#include <cstring>

#include "filters/common/pcm_decode.h"

namespace prismo {
namespace {

// Each channel's part of the buffers starts on a 64-byte boundary, so the
// right channel has the alignment the plan was made for.
constexpr uint32_t kInputStride = kFrameLength;  // 4608 bytes
constexpr uint32_t kBinStride = 292;             // 4672 bytes, at least kHalfBins + 1
static_assert(kInputStride * sizeof(double) % 64 == 0 && kBinStride * sizeof(fftw_complex) % 64 == 0);
static_assert(kBinStride >= kHalfBins + 1);

// count bytes min(trunc(min(|x| * 255 / n, 256)) + base, 255) of the doubles
// x = from[0], from[stride], from[2 * stride], ... for a base of 0..255.
void ClampedBytes(const double* from, int stride, uint32_t count, double n, int base, uint8_t* to) {
  uint32_t i = 0;
#if defined(__SSE2__)
  // Eight at a time: the saturating packs do the final clamp to 255.
  const __m128d sign = _mm_set1_pd(-0.0), full = _mm_set1_pd(255.0), d = _mm_set1_pd(n), cap = _mm_set1_pd(256.0);
  const __m128i b = _mm_set1_epi32(base);
  auto two = [&](const double* p) {
    const __m128d x = _mm_set_pd(p[stride], p[0]);
    return _mm_cvttpd_epi32(_mm_min_pd(_mm_div_pd(_mm_mul_pd(_mm_andnot_pd(sign, x), full), d), cap));
  };
  for (; i + 8 <= count; i += 8, from += 8 * stride) {
    const __m128i lo = _mm_add_epi32(_mm_unpacklo_epi64(two(from), two(from + 2 * stride)), b);
    const __m128i hi = _mm_add_epi32(_mm_unpacklo_epi64(two(from + 4 * stride), two(from + 6 * stride)), b);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(to + i), _mm_packus_epi16(_mm_packs_epi32(lo, hi), lo));
  }
#endif
  for (; i < count; ++i, from += stride) {
    const double a = std::min(std::fabs(*from) * 255.0 / n, 256.0);
    to[i] = static_cast<uint8_t>(std::min(static_cast<int>(a) + base, 255));
  }
}

}  // namespace

int8_t WaveformByte(int sample, bool eightBit, const AnalyzerSettings& s) {
  const int64_t base = eightBit ? sample : sample / 256;  // C++ division truncates toward zero
  int64_t v = base * s.waveMagnify / 10;
  if (v > 0) v += s.waveBase;
  else if (v < 0) v -= s.waveBase;
  return static_cast<int8_t>(std::clamp<int64_t>(v, -128, 127));
}

double SpectrumNormaliser(const AnalyzerSettings& s, bool eightBit) {
  const uint32_t n = eightBit ? s.spectrumNorm / 100u : s.spectrumNorm;
  return static_cast<double>(std::max<uint32_t>(n, 1));
}

uint8_t SpectrumByte(double x, double normaliser, int32_t base) {
  const double v = std::fabs(std::trunc(x * 255.0 / normaliser)) + base;
  if (v > 255.0) return 255;
  return static_cast<uint8_t>(static_cast<int64_t>(v));  // the low byte, also of a negative sum
}

bool FrameAnalysis::Prepare() {
  if (plan_) return true;
  input_ = filters::AllocateFftw<double>(kInputStride * 2);
  bins_ = filters::AllocateFftw<fftw_complex>(kBinStride * 2);
  if (input_ && bins_) {
    std::memset(input_.get(), 0, sizeof(double) * kInputStride * 2);
    plan_.reset(fftw_plan_dft_r2c_1d(static_cast<int>(kFrameLength), input_.get(), bins_.get(), FFTW_ESTIMATE));
  }
  if (!plan_) Release();
  return static_cast<bool>(plan_);
}

void FrameAnalysis::Release() {
  plan_.reset();
  input_.reset();
  bins_.reset();
}

void FrameAnalysis::UseSettings(const AnalyzerSettings& s) {
  if (haveSettings_ && s.waveMagnify == settings_.waveMagnify && s.waveBase == settings_.waveBase &&
      s.spectrumNorm == settings_.spectrumNorm && s.spectrumBase == settings_.spectrumBase)
    return;
  settings_ = s;
  haveSettings_ = true;
  // Both sample widths come down to a value of -128..127 before scaling.
  for (int v = -128; v < 128; ++v) waveTable_[v + 128] = WaveformByte(v, true, s);
  norm8_ = SpectrumNormaliser(s, true);
  norm16_ = SpectrumNormaliser(s, false);
}

namespace {
// Decoding and the waveform rows in one pass over the frame's bytes.
template <uint32_t Channels, bool Eight>
void DecodeWithWave(const uint8_t* p, const int8_t* table, double* const* input, int8_t* const* wave) {
  constexpr uint32_t width = Eight ? 1 : 2;
  for (uint32_t j = 0; j < kFrameLength; ++j) {
    for (uint32_t c = 0; c < Channels; ++c, p += width) {
      if constexpr (Eight) {
        input[c][j] = filters::DecodeSample8(p[0]);
        wave[c][j] = table[p[0]];  // the byte is the value + 128
      } else {
        const int v = filters::DecodeSample16(p);
        input[c][j] = v;
        wave[c][j] = table[v / 256 + 128];  // toward zero
      }
    }
  }
}
}  // namespace

// Element i of a row stands for element i of the transform in halfcomplex
// order: real parts of bins 0..288, then imaginary parts of bins 287..1.
void FrameAnalysis::SpectrumRow(const double (*bins)[2], uint8_t* row) const {
  const int32_t base = settings_.spectrumBase;
  if (base < 0) {  // rare: the low byte of a sum that may be negative
    for (uint32_t i = 0; i <= kHalfBins; ++i) row[i] = SpectrumByte(bins[i][0], norm_, base);
    for (uint32_t k = 1; k < kHalfBins; ++k) row[kFrameLength - k] = SpectrumByte(bins[k][1], norm_, base);
    return;
  }
  // With a base of 0 or more, anything from 256 on shows 255: clamping the
  // magnitude first keeps every step in 32-bit integers.
  const int b = static_cast<int>(std::min<int32_t>(base, 255));
  ClampedBytes(&bins[0][0], 2, kHalfBins + 1, norm_, b, row);
  ClampedBytes(&bins[kHalfBins - 1][1], -2, kHalfBins - 1, norm_, b, row + kHalfBins + 1);
}

void FrameAnalysis::Analyze(const filters::StreamFormat& format, const uint8_t* frame, const AnalyzerSettings& s,
                            PrismoInfo& out) {
  UseSettings(s);
  const bool stereo = format.channels == 2;
  norm_ = format.bitsPerSample == 8 ? norm8_ : norm16_;
  double* const input[2] = {input_.get(), input_.get() + kInputStride};
  int8_t* const wave[2] = {out.waveLeft, out.waveRight};
  const bool eight = format.bitsPerSample == 8;
  if (stereo) {
    eight ? DecodeWithWave<2, true>(frame, waveTable_, input, wave) : DecodeWithWave<2, false>(frame, waveTable_, input, wave);
  } else {
    eight ? DecodeWithWave<1, true>(frame, waveTable_, input, wave) : DecodeWithWave<1, false>(frame, waveTable_, input, wave);
  }

  fftw_execute_dft_r2c(plan_.get(), input[0], bins_.get());
  SpectrumRow(bins_.get(), out.spectrumLeft);
  if (stereo) {
    fftw_execute_dft_r2c(plan_.get(), input[1], bins_.get() + kBinStride);
    SpectrumRow(bins_.get() + kBinStride, out.spectrumRight);
  } else {
    std::memcpy(out.waveRight, out.waveLeft, kFrameLength);
    std::memcpy(out.spectrumRight, out.spectrumLeft, kFrameLength);
  }
}

}  // namespace prismo
