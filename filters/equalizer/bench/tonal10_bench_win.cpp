// Filter2 of the shipped Tonal10.dll against bare transforms of its size,
// measured in one run: the r2c + c2r pair it is built on (the same kind and
// flags) and the slower halfcomplex R2HC + HC2R pair; per size, alternating
// rounds of each, the fastest round counting. Also the CPU time per second of sound and the
// heap allocations per block.
#include <windows.h>

#include <fftw3.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "filters/equalizer/bench/allocation_counter_win.h"
#include "filters/equalizer/bench/bench_signal.h"
#include "filters/common/fftw_owner.h"
#include "host/records.h"

namespace {

constexpr int kRounds = 9;
constexpr double kRoundSeconds = 0.03;  // of work per round and contender
constexpr int kAllocationBlocks = 200;
// The thread clock ticks in 10 ms steps under Wine: measure long enough.
constexpr double kCpuSeconds = 0.5;

double Now() {
  static LARGE_INTEGER freq = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / freq.QuadPart;
}

double ThreadCpuSeconds() {
  FILETIME created, exited, kernel, user;
  GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
  const auto seconds = [](FILETIME f) {
    return (static_cast<double>(f.dwHighDateTime) * 4294967296.0 + f.dwLowDateTime) * 1e-7;
  };
  return seconds(kernel) + seconds(user);
}

class Plugin {
 public:
  Plugin() : module_(LoadLibraryA("Tonal10.dll")) {
    if (!module_) return;
    filter2 = reinterpret_cast<decltype(filter2)>(reinterpret_cast<void*>(GetProcAddress(module_, "Filter2")));
    getEqualizer =
        reinterpret_cast<decltype(getEqualizer)>(reinterpret_cast<void*>(GetProcAddress(module_, "GetEqualizer")));
  }
  Plugin(const Plugin&) = delete;
  Plugin& operator=(const Plugin&) = delete;
  ~Plugin() {
    if (module_) FreeLibrary(module_);
  }
  bool ok() const { return filter2 && getEqualizer; }
  HMODULE module() const { return module_; }
  int32_t (*filter2)(FilterBlock*) = nullptr;
  EqualizerShared* (*getEqualizer)() = nullptr;

 private:
  HMODULE module_;
};

struct Measurement {
  double filterNsPerFrame;
  double bareNsPerFrame;    // R2HC + HC2R
  double sameKindNsPerFrame;  // r2c + c2r, as Filter2 plans them
  double cpuPerSoundSecond;
  double allocationsPerBlock;
  uint64_t setUpAllocations;  // shows that the counter sees the DLL's allocations
  int hookedImports;
};

bool Measure(int n, Measurement& m) {
  Plugin plugin;
  if (!plugin.ok()) return false;
  eqbench::SetAllBands(*plugin.getEqualizer());

  const std::vector<uint8_t> pristine = eqbench::StereoSignal(n, 1);
  PcmHeader h{1, 2, eqbench::kRate, eqbench::kRate * 4, 4, 16};
  std::vector<uint8_t> data(kPcmHeaderSize + pristine.size());
  std::memcpy(data.data(), &h, sizeof h);
  FilterBlock block{};
  std::strcpy(block.formatName, "PCM");
  block.dataSize = static_cast<uint32_t>(data.size());
  block.data = data.data();
  const auto filterOnce = [&] {
    std::memcpy(data.data() + kPcmHeaderSize, pristine.data(), pristine.size());
    return plugin.filter2(&block);
  };
  eqbench::AllocationCounter counter(plugin.module());
  m.hookedImports = counter.hooked();
  counter.Reset();
  if (filterOnce() != kFilterOk) return false;
  m.setUpAllocations = counter.count();

  // The bare pairs: per channel one forward and one backward transform.
  const auto in = filters::AllocateFftw<double>(n), spectrum = filters::AllocateFftw<double>(n),
             out = filters::AllocateFftw<double>(n);
  const auto bins = filters::AllocateFftw<fftw_complex>(n / 2 + 1);
  if (!in || !spectrum || !out || !bins) return false;
  for (int j = 0; j < n; ++j) in.get()[j] = static_cast<int16_t>(pristine[4 * j] | pristine[4 * j + 1] << 8);
  filters::FftwPlan r2hc(fftw_plan_r2r_1d(n, in.get(), spectrum.get(), FFTW_R2HC, FFTW_ESTIMATE));
  filters::FftwPlan hc2r(fftw_plan_r2r_1d(n, spectrum.get(), out.get(), FFTW_HC2R, FFTW_ESTIMATE));
  filters::FftwPlan r2c(fftw_plan_dft_r2c_1d(n, in.get(), bins.get(), FFTW_ESTIMATE | FFTW_PRESERVE_INPUT));
  filters::FftwPlan c2r(fftw_plan_dft_c2r_1d(n, bins.get(), out.get(), FFTW_ESTIMATE));
  if (!r2hc || !hc2r || !r2c || !c2r) return false;
  const auto bareOnce = [&] {
    for (int c = 0; c < 2; ++c) {
      fftw_execute(r2hc.get());
      fftw_execute(hc2r.get());
    }
  };
  const auto sameKindOnce = [&] {
    for (int c = 0; c < 2; ++c) {
      fftw_execute(r2c.get());
      fftw_execute(c2r.get());
    }
  };

  // Blocks per round from a short trial of the slower contender.
  const double t0 = Now();
  bareOnce();
  const double trial = std::max(Now() - t0, 1e-6);
  const int perRound = std::max(1, static_cast<int>(kRoundSeconds / trial));

  double bestFilter = 1e30, bestBare = 1e30, bestSameKind = 1e30;
  for (int r = 0; r < kRounds; ++r) {
    double s = Now();
    for (int i = 0; i < perRound; ++i) filterOnce();
    bestFilter = std::min(bestFilter, (Now() - s) / perRound);
    s = Now();
    for (int i = 0; i < perRound; ++i) bareOnce();
    bestBare = std::min(bestBare, (Now() - s) / perRound);
    s = Now();
    for (int i = 0; i < perRound; ++i) sameKindOnce();
    bestSameKind = std::min(bestSameKind, (Now() - s) / perRound);
  }
  m.filterNsPerFrame = bestFilter * 1e9 / n;
  m.bareNsPerFrame = bestBare * 1e9 / n;
  m.sameKindNsPerFrame = bestSameKind * 1e9 / n;

  // CPU time rather than wall time: other programs share the machine.
  long filtered = 0;
  double cpu = 0;
  const double c0 = ThreadCpuSeconds();
  while (cpu < kCpuSeconds) {
    for (int i = 0; i < perRound; ++i) filterOnce();
    filtered += perRound;
    cpu = ThreadCpuSeconds() - c0;
  }
  m.cpuPerSoundSecond = cpu / (static_cast<double>(filtered) * n / eqbench::kRate);

  counter.Reset();
  for (int i = 0; i < kAllocationBlocks; ++i) filterOnce();
  m.allocationsPerBlock = static_cast<double>(counter.count()) / kAllocationBlocks;
  return true;
}

}  // namespace

int main() {
  for (int n : eqbench::kBlockSizes) {
    Measurement m{};
    if (!Measure(n, m)) {
      std::printf("tonal10_error_%d: cannot load Tonal10.dll or process a block\n", n);
      return 1;
    }
    std::printf("tonal10_filter2_ns_per_stereo_frame_%d: %.2f\n", n, m.filterNsPerFrame);
    std::printf("fftw_r2hc_hc2r_pairs_ns_per_stereo_frame_%d: %.2f\n", n, m.bareNsPerFrame);
    std::printf("tonal10_filter2_to_bare_fftw_ratio_%d: %.3f\n", n, m.filterNsPerFrame / m.bareNsPerFrame);
    std::printf("fftw_r2c_c2r_pairs_ns_per_stereo_frame_%d: %.2f\n", n, m.sameKindNsPerFrame);
    std::printf("tonal10_filter2_to_bare_r2c_c2r_ratio_%d: %.3f\n", n, m.filterNsPerFrame / m.sameKindNsPerFrame);
    std::printf("tonal10_filter2_cpu_seconds_per_sound_second_%d: %.5f\n", n, m.cpuPerSoundSecond);
    std::printf("tonal10_filter2_allocations_per_block_%d: %g\n", n, m.allocationsPerBlock);
    std::printf("tonal10_setup_allocations_%d: %llu\n", n, static_cast<unsigned long long>(m.setUpAllocations));
    std::printf("tonal10_allocators_watched_%d: %d\n", n, m.hookedImports);
  }
  return 0;
}
