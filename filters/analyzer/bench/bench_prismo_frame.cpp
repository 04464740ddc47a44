// Cost of analysing one stereo 16-bit frame (decode, two transforms, four
// rows) against two bare 576-point real-to-halfcomplex transforms, measured
// in the same run; and the heap allocations of the per-frame path.
#include <fftw3.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include "filters/analyzer/bench/best_time.h"
#include "filters/analyzer/frame_analysis.h"

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
constexpr int kRounds = 7, kIterations = 20000;

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
  const double frameNs = bench::BestNanoseconds(analyse, kRounds, kIterations);
#if PRISMO_COUNT_ALLOCATIONS
  const size_t frameAllocs = bench::Allocations() - allocsBefore;
#endif

  // The reference: two bare transforms in FFTW's halfcomplex kind, planned
  // with the same flag, on decoded input that is ready.
  double* in = fftw_alloc_real(2 * kFrameLength);
  double* hc = fftw_alloc_real(2 * kFrameLength);
  for (uint32_t j = 0; j < 2 * kFrameLength; ++j) in[j] = byte(rng) * 100 - 12800;
  fftw_plan r2hc = fftw_plan_r2r_1d(static_cast<int>(kFrameLength), in, hc, FFTW_R2HC, FFTW_ESTIMATE);
  const double bareNs = bench::BestNanoseconds([&](int) {
    fftw_execute_r2r(r2hc, in, hc);
    fftw_execute_r2r(r2hc, in + kFrameLength, hc + kFrameLength);
  }, kRounds, kIterations);
  fftw_destroy_plan(r2hc);
  fftw_free(in);
  fftw_free(hc);

  std::printf("%sframe_analysis_ns: %.0f\n", kPrefix, frameNs);
  std::printf("%sbare_r2hc_576_pair_ns: %.0f\n", kPrefix, bareNs);
  std::printf("%sframe_to_bare_ratio: %.3f\n", kPrefix, frameNs / bareNs);
#if PRISMO_COUNT_ALLOCATIONS
  std::printf("%sframe_allocations: %zu\n", kPrefix, frameAllocs);
#endif
  std::printf("%sframes_measured: %d\n", kPrefix, kRounds * kIterations);
  std::printf("%sspectrum_checksum: %d\n", kPrefix, out.spectrumLeft[1] + out.spectrumRight[2]);  // keeps the work
  return 0;
}
