// One frame of 576 sample frames turned into the analyzer's four rows:
// decode, a 576-point unnormalised real transform per channel, the waveform
// and spectrum bytes. Prepare once (plans and buffers), then Analyze any
// number of frames without allocating.
#pragma once

#include <cstdint>

#include "filters/analyzer/analyzer_settings.h"
#include "filters/common/fftw_owner.h"
#include "filters/common/stream_format.h"
#include "host/records.h"

namespace prismo {

inline constexpr uint32_t kFrameLength = 576;                   // sample frames per frame
inline constexpr uint32_t kHalfBins = kFrameLength / 2;          // 288: the Nyquist bin
inline constexpr uint32_t kMaxFrameBytes = kFrameLength * 2 * 2;  // two channels of 16 bits

// ---- the element rules, exposed for tests
// Waveform byte of one decoded sample: 8-bit samples as they are, 16-bit
// ones divided by 256 toward zero; scaled by MWave / 10 toward zero, moved
// away from zero by BWave, clamped to -128..127.
int8_t WaveformByte(int sample, bool eightBit, const AnalyzerSettings& s);

// The normaliser of the spectrum: MSpec for 16-bit sound, MSpec / 100 for
// 8-bit sound. A normaliser of 0 counts as 1, the most sensitive setting.
double SpectrumNormaliser(const AnalyzerSettings& s, bool eightBit);

// Spectrum byte of one transform element x: |trunc(x * 255 / n)| + BSpec,
// 255 when that exceeds 255, else its low byte. Multiplied, then divided: a
// reciprocal 255 / n can land a hair below an exact step and show one less.
uint8_t SpectrumByte(double x, double normaliser, int32_t base);

class FrameAnalysis {
 public:
  FrameAnalysis() = default;
  FrameAnalysis(const FrameAnalysis&) = delete;
  FrameAnalysis& operator=(const FrameAnalysis&) = delete;

  // Plans the transform (estimate flag, never measures) and allocates its
  // buffers; false when FFTW could not. Not thread-safe (FFTW's planner).
  bool Prepare();
  void Release();
  bool prepared() const { return static_cast<bool>(plan_); }

  // Fills out from one frame of format's interleaved bytes (FrameBytes of it).
  // Mono goes into both rows of each kind. Allocates nothing.
  void Analyze(const filters::StreamFormat& format, const uint8_t* frame, const AnalyzerSettings& s,
               PrismoInfo& out);

 private:
  void UseSettings(const AnalyzerSettings& s);
  void SpectrumRow(const double (*bins)[2], uint8_t* row) const;

  // Derived from the settings last used, rebuilt when they change.
  AnalyzerSettings settings_;
  bool haveSettings_ = false;
  int8_t waveTable_[256] = {};  // waveform byte of every sample value -128..127, at value + 128
  double norm8_ = 1, norm16_ = 1;  // SpectrumNormaliser of each width
  double norm_ = 1;                 // the one of the current frame

  filters::FftwArray<double> input_;        // two channels of kFrameLength
  filters::FftwArray<fftw_complex> bins_;  // two channels of kHalfBins + 1 complex bins
  filters::FftwPlan plan_;
};

}  // namespace prismo
