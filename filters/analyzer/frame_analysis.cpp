#include "filters/analyzer/frame_analysis.h"

#include <fftw3.h>

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

fftw_plan Plan(void* p) { return static_cast<fftw_plan>(p); }

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

uint8_t SpectrumByte(double x, double n, int32_t base) {
  const double v = std::fabs(std::trunc(x * 255.0 / n)) + base;
  if (v > 255.0) return 255;
  return static_cast<uint8_t>(static_cast<int64_t>(v));  // the low byte, also of a negative sum
}

bool FrameAnalysis::Prepare() {
  if (plan_) return true;
  input_ = static_cast<double*>(fftw_malloc(sizeof(double) * kInputStride * 2));
  bins_ = static_cast<double(*)[2]>(fftw_malloc(sizeof(fftw_complex) * kBinStride * 2));
  if (input_ && bins_) {
    std::memset(input_, 0, sizeof(double) * kInputStride * 2);
    plan_ = fftw_plan_dft_r2c_1d(static_cast<int>(kFrameLength), input_, bins_, FFTW_ESTIMATE);
  }
  if (!plan_) Release();
  return plan_ != nullptr;
}

void FrameAnalysis::Release() {
  if (plan_) fftw_destroy_plan(Plan(plan_));
  fftw_free(input_);
  fftw_free(bins_);
  plan_ = nullptr;
  input_ = nullptr;
  bins_ = nullptr;
}

// Element i of a row stands for element i of the transform in halfcomplex
// order: real parts of bins 0..288, then imaginary parts of bins 287..1.
void FrameAnalysis::SpectrumRow(const double (*bins)[2], double n, int32_t base, uint8_t* row) const {
  for (uint32_t i = 0; i <= kHalfBins; ++i) row[i] = SpectrumByte(bins[i][0], n, base);
  for (uint32_t i = kHalfBins + 1; i < kFrameLength; ++i) row[i] = SpectrumByte(bins[kFrameLength - i][1], n, base);
}

void FrameAnalysis::Analyze(const filters::StreamFormat& format, const uint8_t* frame, const AnalyzerSettings& s,
                            PrismoInfo& out) {
  const bool eight = format.bitsPerSample == 8;
  const bool stereo = format.channels == 2;
  double* left = input_;
  double* right = input_ + kInputStride;
  filters::DecodeFrames(format, frame, kFrameLength, left, stereo ? right : nullptr);

  for (uint32_t j = 0; j < kFrameLength; ++j) out.waveLeft[j] = WaveformByte(static_cast<int>(left[j]), eight, s);
  if (stereo) {
    for (uint32_t j = 0; j < kFrameLength; ++j) out.waveRight[j] = WaveformByte(static_cast<int>(right[j]), eight, s);
  } else {
    std::memcpy(out.waveRight, out.waveLeft, kFrameLength);
  }

  const double n = SpectrumNormaliser(s, eight);
  fftw_execute_dft_r2c(Plan(plan_), left, bins_);
  SpectrumRow(bins_, n, s.spectrumBase, out.spectrumLeft);
  if (stereo) {
    fftw_execute_dft_r2c(Plan(plan_), right, bins_ + kBinStride);
    SpectrumRow(bins_ + kBinStride, n, s.spectrumBase, out.spectrumRight);
  } else {
    std::memcpy(out.spectrumRight, out.spectrumLeft, kFrameLength);
  }
}

}  // namespace prismo
