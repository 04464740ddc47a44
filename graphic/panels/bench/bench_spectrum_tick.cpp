// Cost of one refresh tick of the spectrum view with 60 bands at 50 ticks a
// second (the model's step and the picture's update that finds the cells to
// draw again), as a share of the tick period, and its heap allocations; also
// the waveform and history modes over a 576-column area.
#include <cstdio>
#include <random>
#include <vector>

#include "filters/analyzer/bench/allocation_counter.h"
#include "filters/analyzer/bench/best_time.h"
#include "graphic/panels/spectrum_model.h"

namespace {
constexpr int kRounds = 7, kIterations = 20000;
}  // namespace

int main() {
  using namespace vrx;
  std::mt19937 rng(1);
  std::uniform_int_distribution<int> byte(0, 255);
  // A few result areas in turn, so that bars rise and fall as with sound.
  constexpr int kAreas = 8;
  std::vector<uint8_t> areas(static_cast<size_t>(kAreas) * kSpectrumInfoBytes);
  for (auto& b : areas) b = static_cast<uint8_t>(byte(rng));

  SpectrumSettings settings;
  settings.rate = 50;
  const double periodNs = settings.PeriodMs() * 1e6;
  // A view as wide as a row: 60 bands of 9 columns with 18 left over.
  SpectrumGeometry geometry;
  geometry.width = kSpectrumRow, geometry.height = 60, geometry.peakHeight = 2, geometry.spTop = 2,
  geometry.spBottom = 2, geometry.bands = kSpectrumMaxBands;

  std::printf("%-28s %12s %14s %12s\n", "mode", "ns/tick", "share of 20 ms", "allocations");
  const struct {
    const char* name;
    SpectrumMode mode;
  } modes[] = {{"bars and peaks, 60 bands", SpectrumMode::kBarsAndPeaks},
               {"waveform, 576 columns", SpectrumMode::kWaveform},
               {"history, 576 columns", SpectrumMode::kHistory}};
  for (const auto& m : modes) {
    SpectrumSettings modeSettings = settings;
    modeSettings.mode = m.mode;
    SpectrumViewState view(modeSettings, kSpectrumMaxBands, geometry.WaveWidth());
    view.Create(true);
    SpectrumPicture picture(kSpectrumMaxBands, geometry.WaveWidth());
    auto tick = [&](int i) {
      view.Tick(areas.data() + (i % kAreas) * kSpectrumInfoBytes);
      picture.Update(view, geometry);
    };
    tick(0);
    const size_t before = bench::Allocations();
    const double ns = bench::BestNanoseconds(tick, kRounds, kIterations);
    const size_t allocations = bench::Allocations() - before;
    std::printf("%-28s %12.1f %13.4f%% %12.3f\n", m.name, ns, 100.0 * ns / periodNs,
                double(allocations) / (kRounds * kIterations));
  }
  // The counter sees the model's own allocations: its three arrays.
  const size_t before = bench::Allocations();
  { SpectrumModel model(kSpectrumMaxBands, kSpectrumRow); }
  std::printf("allocations of one view's set-up (levels, peaks, history): %zu\n", bench::Allocations() - before);
  return 0;
}
