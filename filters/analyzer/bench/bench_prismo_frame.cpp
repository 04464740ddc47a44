// Cost of analysing one stereo 16-bit frame (decode, two transforms, four
// rows) against two bare 576-point transforms, measured in the same run: of
// the r2c kind the analysis uses, and of the slower real-to-halfcomplex
// kind; and the heap allocations of the per-frame path.
#include <fftw3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "filters/analyzer/bench/best_time.h"
#include "filters/analyzer/frame_analysis.h"
#include "filters/common/fftw_owner.h"

#if defined(__GLIBC__)
#include "filters/analyzer/bench/allocation_counter.h"
#define PRISMO_COUNT_ALLOCATIONS 1
#endif

namespace {

// The same program runs natively and, built for Windows, under Wine.
#if defined(_WIN32)
constexpr char kPrefix[] = "win32_";
#else
constexpr char kPrefix[] = "";
#endif

// What bench::BestNanoseconds runs by default: the best of 7 rounds of 20000.
constexpr int kRounds = 7;
constexpr int kIterations = 20000;

}  // namespace

int main() {
  using prismo::kFrameLength;
  std::mt19937 rng(1);
  std::uniform_int_distribution<int> byte(0, 255);
  // A few different frames, so that caches see a stream rather than one buffer.
  constexpr int kFrames = 8;
  std::vector<uint8_t> frames(static_cast<size_t>(kFrames) * prismo::kMaxFrameBytes);
  for (auto& b : frames) b = static_cast<uint8_t>(byte(rng));

  filters::StreamFormat format{};
  format.channels = 2;
  format.bitsPerSample = 16;
  format.samplesPerSec = 44100;
  format.sampleBytes = static_cast<uint32_t>(frames.size());

  prismo::FrameAnalysis analysis;
  if (!analysis.Prepare()) return 1;
  prismo::AnalyzerSettings settings;
  PrismoInfo out{};
  auto analyse = [&](int i) {
    analysis.Analyze(format, frames.data() + (i % kFrames) * prismo::kMaxFrameBytes, settings, out);
  };
  analyse(0);
#if PRISMO_COUNT_ALLOCATIONS
  const size_t allocsBefore = bench::Allocations();
#endif
  const double frameNs = bench::BestNanoseconds(analyse);
#if PRISMO_COUNT_ALLOCATIONS
  const size_t frameAllocs = bench::Allocations() - allocsBefore;
#endif

  // The references: two bare transforms of each kind, planned with the same
  // flag, on decoded input that is ready.
  const int n = static_cast<int>(kFrameLength);
  const auto in = filters::AllocateFftw<double>(2 * kFrameLength), hc = filters::AllocateFftw<double>(2 * kFrameLength);
  constexpr uint32_t kBinStride = 292;  // 289 bins, rounded up so both channels align alike
  const auto bins = filters::AllocateFftw<fftw_complex>(2 * kBinStride);
  if (!in || !hc || !bins) return 1;
  for (uint32_t j = 0; j < 2 * kFrameLength; ++j) in.get()[j] = byte(rng) * 100 - 12800;
  const filters::FftwPlan r2hc(fftw_plan_r2r_1d(n, in.get(), hc.get(), FFTW_R2HC, FFTW_ESTIMATE));
  const filters::FftwPlan r2c(fftw_plan_dft_r2c_1d(n, in.get(), bins.get(), FFTW_ESTIMATE));
  if (!r2hc || !r2c) return 1;
  const double bareNs = bench::BestNanoseconds([&](int) {
    fftw_execute_r2r(r2hc.get(), in.get(), hc.get());
    fftw_execute_r2r(r2hc.get(), in.get() + kFrameLength, hc.get() + kFrameLength);
  });
  const double sameKindNs = bench::BestNanoseconds([&](int) {
    fftw_execute_dft_r2c(r2c.get(), in.get(), bins.get());
    fftw_execute_dft_r2c(r2c.get(), in.get() + kFrameLength, bins.get() + kBinStride);
  });

  std::printf("%sframe_analysis_ns: %.0f\n", kPrefix, frameNs);
  std::printf("%sbare_r2hc_576_pair_ns: %.0f\n", kPrefix, bareNs);
  std::printf("%sframe_to_bare_ratio: %.3f\n", kPrefix, frameNs / bareNs);
  std::printf("%sbare_r2c_576_pair_ns: %.0f\n", kPrefix, sameKindNs);
  std::printf("%sframe_to_bare_r2c_ratio: %.3f\n", kPrefix, frameNs / sameKindNs);
#if PRISMO_COUNT_ALLOCATIONS
  std::printf("%sframe_allocations: %zu\n", kPrefix, frameAllocs);
#endif
  std::printf("%sframes_measured: %d\n", kPrefix, kRounds * kIterations);
  std::printf("%sspectrum_checksum: %d\n", kPrefix, out.spectrumLeft[1] + out.spectrumRight[2]);  // keeps the work
  return 0;
}
