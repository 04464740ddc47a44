// The spectrum view's arithmetic: band boundaries, settings, bars and
// peaks falling at their rates, waveform and history columns, and the
// timer's life across engage notices and clicks.
#include "graphic/panels/spectrum_model.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "tests/support/fake_settings.h"

namespace vrx {
namespace {

using FakeStore = wintest::FakeSettings;

// The analyzer's result area: four rows of 576 bytes.
struct Info {
  std::array<uint8_t, kSpectrumInfoBytes> bytes{};
  uint8_t* spectrumLeft() { return bytes.data(); }
  uint8_t* spectrumRight() { return bytes.data() + kSpectrumRow; }
  uint8_t* waveLeft() { return bytes.data() + 2 * kSpectrumRow; }
  uint8_t* waveRight() { return bytes.data() + 3 * kSpectrumRow; }
};

SpectrumSettings Rate(uint32_t rate, SpectrumMode mode = SpectrumMode::kBarsAndPeaks) {
  SpectrumSettings s;
  s.rate = rate;
  s.mode = mode;
  return s;
}

TEST(SpectrumBands, StartsAreLogarithmicWithAtLeastOneElementEach) {
  EXPECT_EQ(BandStart(0, 1), 4);
  EXPECT_EQ(BandStart(1, 1), 571);  // one band: elements 4 ... 570, row bytes 8 ... 574

  const std::vector<int> ten{4, 5, 6, 7, 12, 21, 39, 75, 147, 291, 571};
  for (int i = 0; i <= 10; ++i) EXPECT_EQ(BandStart(i, 10), ten[i]) << "band " << i;

  for (int i = 0; i <= 56; ++i) EXPECT_EQ(BandStart(i, 60), i + 4) << "band " << i;
  EXPECT_EQ(BandStart(57, 60), 76);
  EXPECT_EQ(BandStart(58, 60), 148);
  EXPECT_EQ(BandStart(59, 60), 292);
  EXPECT_EQ(BandStart(60, 60), 571);
}

TEST(SpectrumBands, EachBandAveragesTheLouderChannelOverItsElements) {
  // Ten bands; band 9 covers elements 291 ... 570, that is row bytes 295 ... 574.
  Info info;
  for (int b = 295; b <= 574; ++b) info.spectrumLeft()[b] = b % 2 ? 200 : 0;
  for (int b = 295; b <= 574; ++b) info.spectrumRight()[b] = b % 2 ? 0 : 100;
  info.spectrumLeft()[575] = 255;  // beyond the last band: never read
  info.spectrumLeft()[7] = 255;    // below the first
  info.spectrumLeft()[8] = 90;     // band 0 is element 4 alone
  SpectrumModel model(10, 1);
  model.Tick(SpectrumMode::kBars, info.bytes.data(), Rate(30));
  EXPECT_EQ(model.levels()[0], 90);
  for (int i = 1; i < 9; ++i) EXPECT_EQ(model.levels()[i], 0) << "band " << i;
  EXPECT_EQ(model.levels()[9], 150);  // (140 x 200 + 140 x 100) / 280
}

TEST(SpectrumSettings, RateIsHeldTo10To50AndModeAbove4ReadsAs0) {
  struct Row {
    std::optional<uint32_t> refresh, mode;
    uint32_t rate, periodMs;
    SpectrumMode expectedMode;
  };
  const Row rows[] = {
      {9, 7, 10, 100, SpectrumMode::kBarsAndPeaks},
      {51, 4, 50, 20, SpectrumMode::kOff},
      {std::nullopt, std::nullopt, 30, 33, SpectrumMode::kBarsAndPeaks},
      {0xFFFFFFFFu, 3, 50, 20, SpectrumMode::kHistory},
  };
  for (const Row& r : rows) {
    FakeStore store;
    if (r.refresh) store.dwords[{"Vrx", "SpRefresh"}] = *r.refresh;
    if (r.mode) store.dwords[{"Vrx", "SpMode"}] = *r.mode;
    store.dwords[{"VrxB", "SpRefresh"}] = 40;  // the other variant's section is not read
    const SpectrumSettings s = ReadSpectrumSettings(store, "Vrx");
    EXPECT_EQ(s.rate, r.rate);
    EXPECT_EQ(s.PeriodMs(), r.periodMs);
    EXPECT_EQ(s.mode, r.expectedMode);
  }
}

TEST(SpectrumBars, RiseAtOnceAndFallAtTheRateWithPeaksBehind) {
  struct Row {
    uint32_t rate;
    int barFall, peakFall;
  };
  for (const Row r : {Row{10, 100, 15}, Row{50, 20, 3}}) {
    SCOPED_TRACE(r.rate);
    const SpectrumSettings s = Rate(r.rate);
    EXPECT_EQ(int(s.BarFall()), r.barFall);
    EXPECT_EQ(int(s.PeakFall()), r.peakFall);
    Info loud;
    for (int b = 0; b < kSpectrumRow; ++b) loud.spectrumRight()[b] = 250;
    const Info quiet;
    SpectrumModel model(4, 1);
    model.Tick(SpectrumMode::kBarsAndPeaks, loud.bytes.data(), s);
    EXPECT_EQ(model.levels()[2], 250);
    EXPECT_EQ(model.peaks()[2], 250);
    int level = 250, peak = 250;
    for (int tick = 0; tick < 100 && (level || peak); ++tick) {
      model.Tick(SpectrumMode::kBarsAndPeaks, quiet.bytes.data(), s);
      level = level > r.barFall ? level - r.barFall : 0;
      peak = peak > level + r.peakFall ? peak - r.peakFall : level;
      ASSERT_EQ(model.levels()[2], level) << "tick " << tick;
      ASSERT_EQ(model.peaks()[2], peak) << "tick " << tick;
    }
    EXPECT_EQ(peak, 0);
  }
}

TEST(SpectrumWaveform, LouderByteAsUnsignedIsTheSampleAtItsRow) {
  SpectrumGeometry g;
  g.width = 40, g.height = 43, g.waTop = 2, g.waBottom = 3;  // Hw 38, half 19, centre row 21
  ASSERT_EQ(g.WaveHalf(), 19);
  ASSERT_EQ(g.WaveCentre(), 21);
  Info info;
  info.waveLeft()[0] = 0x80;                               // -128
  info.waveLeft()[1] = 0x7F;                               // 127
  info.waveLeft()[2] = 0x01, info.waveRight()[2] = 0xFF;   // 0xFF wins: -1
  info.waveLeft()[3] = 0x10, info.waveRight()[3] = 0xF0;   // 0xF0 wins: -16
  SpectrumModel model(1, g.WaveWidth());
  model.Tick(SpectrumMode::kWaveform, info.bytes.data(), Rate(30));
  const uint8_t* h = model.history();
  EXPECT_EQ(g.WaveCentre() - g.WaveOffset(h[0]), g.WaveCentre() + g.WaveHalf() - 1);
  EXPECT_EQ(g.WaveCentre() - g.WaveOffset(h[1]), g.WaveCentre() - (g.WaveHalf() - 1) * 127 / 128);
  EXPECT_EQ(h[2], 0xFF);
  EXPECT_EQ(g.WaveOffset(h[2]), 0);  // 18 x -1 / 128 truncates toward zero
  EXPECT_EQ(h[3], 0xF0);
}

TEST(SpectrumWaveform, ColumnsPastTheRowShowSilence) {
  Info info;
  for (int x = 0; x < kSpectrumRow; ++x) info.waveLeft()[x] = 0x40, info.waveRight()[x] = 0x20;
  SpectrumModel model(1, 700);
  model.Tick(SpectrumMode::kWaveform, info.bytes.data(), Rate(30));
  EXPECT_EQ(model.history()[575], 0x40);
  for (int x = kSpectrumRow; x < 700; ++x) ASSERT_EQ(model.history()[x], 0) << "column " << x;
}

TEST(SpectrumHistory, ScrollsLeftWithTheBlockAmplitudeAtTheRight) {
  SpectrumGeometry g;
  g.width = 4, g.height = 21;  // half 10
  SpectrumModel model(1, g.WaveWidth());
  const SpectrumSettings s = Rate(30, SpectrumMode::kHistory);
  const std::vector<std::pair<uint8_t, uint8_t>> blocks{{0x05, 0x03}, {0x01, 0x80}, {0x00, 0x7F}};
  for (const auto& [left, right] : blocks) {
    Info info;
    info.waveLeft()[300] = left;
    info.waveRight()[575] = right;
    model.Tick(SpectrumMode::kHistory, info.bytes.data(), s);
  }
  const uint8_t* h = model.history();
  EXPECT_EQ(h[0], 0);
  EXPECT_EQ(h[1], 5);
  EXPECT_EQ(h[2], 0x80);  // |-128|
  EXPECT_EQ(h[3], 127);
  EXPECT_EQ(g.HistoryOffset(h[2]), 9);
  EXPECT_EQ(g.HistoryOffset(h[3]), 9 * 127 / 128);
}

TEST(SpectrumGeometry, PeakMarkerRestsOnTheBaselineAtLevel0) {
  SpectrumGeometry g;
  g.width = 106, g.height = 50, g.peakHeight = 2, g.spTop = 2, g.spBottom = 2, g.spLeft = 3, g.spRight = 3,
  g.bands = 10;
  EXPECT_EQ(g.BandWidth(), 10);
  EXPECT_EQ(g.Baseline(), 48);
  EXPECT_EQ(g.BarHeight(255), 46);
  EXPECT_EQ(g.BarHeight(128), 23);
  EXPECT_EQ(g.PeakLift(0), 2);
  EXPECT_EQ(g.PeakLift(255), 46);
}

TEST(SpectrumView, TimerRunsWhileEngagedAndStopsOnceTheShownValuesDieDown) {
  Info loud;
  for (int b = 0; b < kSpectrumRow; ++b) loud.spectrumLeft()[b] = 200;
  const Info quiet;
  SpectrumViewState view(Rate(50), 5, 10);
  SpectrumActions a = view.Create(true);
  EXPECT_TRUE(a.requestAnalysis && a.startTimer);
  EXPECT_FALSE(view.Tick(loud.bytes.data()).stopTimer);

  a = view.Engage(false);  // does not stop a running timer
  EXPECT_TRUE(a.requestAnalysis);
  EXPECT_FALSE(a.startTimer || a.stopTimer);
  int ticks = 0;
  while (!view.Tick(quiet.bytes.data()).stopTimer) ASSERT_LT(++ticks, 100);
  // Bars fall 200 in 10 ticks; the peaks, 3 a tick behind them, need 67.
  EXPECT_EQ(ticks, 66);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(view.model().peaks()[i], 0);

  a = view.Engage(true);
  EXPECT_TRUE(a.requestAnalysis && a.startTimer);
  EXPECT_FALSE(view.Tick(quiet.bytes.data()).stopTimer);  // engaged: all zero keeps running
}

TEST(SpectrumView, ClicksCycleTheModesAndOffStopsTheTimer) {
  Info loud;
  for (int b = 0; b < kSpectrumRow; ++b) loud.spectrumLeft()[b] = 200, loud.waveLeft()[b] = 50;
  SpectrumViewState view(Rate(30, SpectrumMode::kHistory), 3, 8);
  view.Create(true);
  view.Tick(loud.bytes.data());
  ASSERT_EQ(view.model().history()[7], 50);

  SpectrumActions a = view.Click();
  EXPECT_EQ(view.mode(), SpectrumMode::kOff);
  EXPECT_TRUE(a.stopTimer);
  EXPECT_FALSE(a.startTimer);
  EXPECT_EQ(view.model().history()[7], 0);  // cleared
  EXPECT_FALSE(view.Engage(true).startTimer);  // off stays off

  a = view.Click();
  EXPECT_EQ(view.mode(), SpectrumMode::kBarsAndPeaks);
  EXPECT_TRUE(a.requestAnalysis && a.startTimer);
  EXPECT_FALSE(a.stopTimer);

  view.Engage(false);
  view.Click();
  view.Click();
  view.Click();
  ASSERT_EQ(view.mode(), SpectrumMode::kHistory);
  a = view.Click();
  a = view.Click();  // off to bars, not engaged: analysis asked for, no timer
  EXPECT_TRUE(a.requestAnalysis);
  EXPECT_FALSE(a.startTimer);
}

TEST(SpectrumView, OffFromTheStartNeitherRequestsNorRuns) {
  SpectrumViewState view(Rate(30, SpectrumMode::kOff), 3, 8);
  const SpectrumActions a = view.Create(true);
  EXPECT_FALSE(a.requestAnalysis || a.startTimer);
  EXPECT_FALSE(view.Tick(nullptr).stopTimer);  // engaged: a stray tick changes nothing
}

}  // namespace
}  // namespace vrx
