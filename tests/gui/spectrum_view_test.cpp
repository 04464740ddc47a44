// The spectrum view of Vrx.dll with the real Prismo.dll. The engine
// simulator plays a cosine from a WAV file with the analyzer in its chain,
// or this test process loads the analyzer too and feeds it blocks through
// Filter2 as the engine does; either way the module reads the analyzer's
// shared record. The pictures are read back from the window and told apart
// by their colours.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "filters/analyzer/tests/prismo_harness_win.h"
#include "host/engine_messages.h"
#include "host/kv_ini.h"
#include "host/settings.h"
#include "player/engine/tests/engine_client.h"
#include "player/engine/tests/test_stations.h"
#include "player/engine/wav_file.h"
#include "tests/gui/gui.h"
#include "tests/support/wintest.h"

namespace {

constexpr char kSection[] = "Vrx";
constexpr char kClass[] = "QorvVarix";
constexpr uint32_t kFlagsTopmostNoTips = 0x01 | 0x40;  // nothing else runs a timer

// The window, and the view inside it with its pictures below the window's
// background in the bitmap.
constexpr int kW = 200, kH = 80;
constexpr int kViewX = 40, kViewY = 10, kViewW = 120, kViewH = 60, kPeakH = 2;
constexpr int kBands = 60, kBandW = kViewW / kBands, kMargin = 2;
constexpr int kBaseline = kViewH - kMargin;

constexpr COLORREF kBarsOff = RGB(0, 0, 64), kBarsLit = RGB(0, 220, 0), kPeak = RGB(220, 0, 0);
constexpr COLORREF kWaveBg = RGB(40, 40, 40), kTrace = RGB(255, 255, 0);

COLORREF SkinPixel(int x, int y) {
  if (y < kH) return RGB((x * 3) & 0x7F, 100, (y * 3) & 0x7F);  // the window's background
  const int py = y - kH;
  const bool left = x < kViewW;
  if (py < kViewH) return left ? kBarsOff : kWaveBg;
  if (py < 2 * kViewH) return left ? kBarsLit : kTrace;
  if (left) return kPeak;  // the peak strip
  return (x - kViewW) % kBandW == 0 ? RGB(255, 255, 255) : RGB(0, 0, 0);  // its mask: each band's first column
}

// extraKeys: more lines of the Spectrum section.
void UseSpectrumSkin(const std::string& extraKeys = "") {
  const std::string description =
      "[General]\nWidth=" + std::to_string(kW) + "\nHeight=" + std::to_string(kH) +
      "\n[Spectrum]\nWindowX=" + std::to_string(kViewX) + "\nWindowY=" + std::to_string(kViewY) +
      "\nControlX=0\nControlY=" + std::to_string(kH) + "\nControlWidth=" + std::to_string(kViewW) +
      "\nControlHeight=" + std::to_string(kViewH) + "\nPeakHeight=" + std::to_string(kPeakH) +
      "\nSpTopHeight=2\nSpBottomHeight=2\nWaTopHeight=2\nWaBottomHeight=2\nBands=" + std::to_string(kBands) + "\n" +
      extraKeys;
  const std::string bitmap = gui::WriteSkin("spectrum", 2 * kViewW, kH + 2 * kViewH + kPeakH, SkinPixel, description);
  ASSERT_FALSE(bitmap.empty());
  KvIniSetString(kSection, "Skin", bitmap.c_str());
  static const char kActiveFilters[] = "Prismo.dll\0";
  KvIniSetBinary("KvFilters", "Filters", kActiveFilters, sizeof kActiveFilters - 1);
  KvIniSetDword(kSection, "Flags", kFlagsTopmostNoTips);
  KvIniSetDword(kSection, "SpRefresh", 50);
}

// With 60 bands, bands 0 ... 55 read one row byte each: band i is bin i + 8.
constexpr int kSineBand = 12;
constexpr DWORD kRestMs = 200;  // longer than the view's refresh period
constexpr int kSineBin = kSineBand + 8;
constexpr uint32_t kRate = 44100;
constexpr uint32_t kBlockFrames = 4 * prismo_test::kFrame;

// A cosine a whole number of periods long in every 576-sample frame, so its
// energy stays in its own bin.
prismo_test::SoundBlock Block(bool sine) {
  prismo_test::SoundBlock block(2, kRate, 16, kBlockFrames);
  for (uint32_t j = 0; j < kBlockFrames; ++j) {
    const int v = sine ? int(12000 * std::cos(2 * std::numbers::pi * kSineBin * j / prismo_test::kFrame)) : 0;
    block.Set(j, 0, v);
    block.Set(j, 1, v);
  }
  return block;
}

// The analyzer shows a block once the next has arrived.
void Feed(prismo_test::PrismoLibrary& prismo, bool sine) {
  for (int i = 0; i < 2; ++i) {
    auto block = Block(sine);
    ASSERT_EQ(prismo.filter2(block.get()), 0);
  }
}

struct Run {
  std::unique_ptr<gui::EngineWindow> standIn;
  std::unique_ptr<wintest::ModuleThread> module;
  HWND window = nullptr;

  // With the real engine already running.
  Run() { Start(); }
  // With the recording stand-in in the engine's place.
  explicit Run(bool engaged, const char* dll = "Vrx.dll") : standIn(std::make_unique<gui::EngineWindow>()) {
    standIn->Answer(engine::kGetAdvanced, engaged ? 1 : 0);
    Start(dll);
  }
  void Start(const char* dll = "Vrx.dll") {
    module = std::make_unique<wintest::ModuleThread>(dll);
    window = module->WaitWindow(kClass);
  }
  gui::Pixels View() const { return gui::CaptureClient(window); }
  COLORREF At(const gui::Pixels& p, int x, int y) const { return p.at(kViewX + x, kViewY + y); }
  // Whether a module timer fired during a rest longer than the view's period.
  bool TickedDuringRest() const {
    const long before = module->TimerMessages();
    module->WaitRest(kRestMs);
    return module->TimerMessages() != before;
  }
  // The view's timer stopped: a whole rest passes without a tick (it may
  // take a few rests to die down).
  bool Still() const { return wintest::WaitUntil([&] { return !TickedDuringRest(); }); }
  bool Ticking() const { return TickedDuringRest(); }
  // Each click lands away from the last, so that two never make a double
  // click (the main window's class takes double clicks).
  void Click() {
    const POINT p = gui::ScreenPoint(window, kViewX + 5 + 30 * (clicks++ % 4), kViewY + 5);
    gui::LeftClick(p.x, p.y);
  }
  int clicks = 0;
};

// Height of the bar and of the peak marker's top above the baseline, in one band.
int BarHeight(const Run& run, const gui::Pixels& p, int band) {
  int h = 0;
  while (h < kBaseline && run.At(p, band * kBandW, kBaseline - 1 - h) == kBarsLit) ++h;
  return h;
}
int PeakLift(const Run& run, const gui::Pixels& p, int band) {
  for (int y = 0; y < kBaseline; ++y)
    if (run.At(p, band * kBandW, y) == kPeak) return kBaseline - y;
  return -1;
}

// The engine plays a looped WAV file of a cosine whose period, 32 samples,
// divides the analyzer's 576-sample frame and the engine's blocks: every
// frame starts at the cosine's top, so its energy is the real part of bin
// 576 / 32 = 18, band 10.
constexpr int kEngineSineBand = 10;
constexpr int kSinePeriod = 32;
constexpr uint32_t kStationHertz = 101'700'000;

std::string WriteSineWav() {
  std::vector<int16_t> samples;
  for (int j = 0; j < kSinePeriod * 1000; ++j) {
    const auto v = static_cast<int16_t>(12000 * std::cos(2 * std::numbers::pi * j / kSinePeriod));
    samples.insert(samples.end(), {v, v});
  }
  const uint32_t bytes = static_cast<uint32_t>(samples.size() * sizeof samples[0]);
  std::vector<uint8_t> file = engine::WavHeader(bytes);
  const auto* raw = reinterpret_cast<const uint8_t*>(samples.data());
  file.insert(file.end(), raw, raw + bytes);
  const std::string path = wintest::TempFolder() + "sine.wav";
  return wintest::WriteFileBytes(path, file.data(), file.size()) ? path : std::string();
}

GUI_SCENARIO(SpectrumView, TheEnginesSineLiftsItsBandAndDiesDownWhenAdvancedGoesOff) {
  UseSpectrumSkin();
  const std::string wav = WriteSineWav();
  ASSERT_FALSE(wav.empty());
  KvIniSetString("KvEngine", "SourceFile", wav.c_str());
  enginetest::StoreStations({enginetest::Station(kStationHertz, 1, 1, "Sine")});
  KvIniSetDword("KvEngine", "Frequency", kStationHertz);
  // The engine of this install folder, so that it loads the very Prismo.dll
  // the module loads: only one file's record is shared.
  const std::string folder = gui::Install();
  ASSERT_TRUE(CopyFileA((wintest::InstallFolder() + "KvEngine.exe").c_str(), (folder + "KvEngine.exe").c_str(), FALSE));
  enginetest::EngineProcess engine({}, folder);
  ASSERT_TRUE(engine.window());
  ASSERT_EQ(engine.Send(engine::kGetAdvanced), 1);
  Run run;
  ASSERT_NE(run.window, nullptr);

  const int full = kBaseline - kMargin;
  ASSERT_TRUE(wintest::WaitUntil([&] { return PeakLift(run, run.View(), kEngineSineBand) == full; }, 10000));
  EXPECT_TRUE(wintest::WaitUntil([&] { return BarHeight(run, run.View(), kEngineSineBand) == full - kPeakH; }));
  const gui::Pixels p = run.View();
  for (int band : {0, kEngineSineBand - 1, kEngineSineBand + 1, 30, 59}) {
    EXPECT_EQ(BarHeight(run, p, band), 0) << "band " << band;
    EXPECT_EQ(PeakLift(run, p, band), kPeakH) << "band " << band;  // resting on the baseline
  }

  // Off in the engine: the analyzer's rows go blank, the bar falls 20 levels
  // a tick and the marker 3 behind it, then the timer stops.
  engine.Post(engine::kSetAdvanced, 0);
  std::vector<int> lifts;
  ASSERT_TRUE(wintest::WaitUntil([&] {
    const gui::Pixels now = run.View();
    const int lift = PeakLift(run, now, kEngineSineBand);
    EXPECT_GE(lift, kPeakH) << "a capture without the marker";
    if (BarHeight(run, now, kEngineSineBand) == 0) lifts.push_back(lift);
    return !lifts.empty() && lifts.back() == kPeakH;
  }));
  // The marker needs over a second more than the bar to come down, so even a
  // capture that a busy machine delays sees it still up once the bar is down.
  EXPECT_GT(lifts.front(), kPeakH) << "the marker fell as fast as the bar";
  for (size_t i = 1; i < lifts.size(); ++i) EXPECT_LE(lifts[i], lifts[i - 1]);
  EXPECT_TRUE(run.Still());

  // On again: the engine's notice restarts the stopped view.
  engine.Post(engine::kSetAdvanced, 1);
  EXPECT_TRUE(wintest::WaitUntil([&] { return BarHeight(run, run.View(), kEngineSineBand) == full - kPeakH; }, 10000));
  EXPECT_TRUE(run.Ticking());
}

GUI_SCENARIO(SpectrumView, ClicksCycleTheModesAndOffDrawsNothingAndStops) {
  UseSpectrumSkin();
  KvIniSetDword(kSection, "SpMode", 2);  // the waveform
  prismo_test::PrismoLibrary prismo;
  ASSERT_TRUE(prismo.loaded());
  Run run(true);
  ASSERT_NE(run.window, nullptr);
  ASSERT_TRUE(wintest::WaitUntil([&] { return prismo.request() == 1; }));  // else Filter2 ignores the blocks
  Feed(prismo, true);
  // The trace: one pixel per column on the background. Every frame starts
  // at the cosine's top, 12000: the analyzer shows 12000 / 256 x 2 = 92,
  // 27 x 92 / 128 = 19 rows above the centre row 30.
  ASSERT_TRUE(wintest::WaitUntil([&] {
    const gui::Pixels p = run.View();
    int traced = 0;
    for (int y = 0; y < kViewH; ++y) traced += run.At(p, 0, y) == kTrace;
    return traced == 1 && run.At(p, 0, 30 - 19) == kTrace;
  }));

  run.Click();  // the amplitude history
  ASSERT_TRUE(wintest::WaitUntil([&] { return kv::ReadDword(kSection, "SpMode", 9) == 3; }));
  ASSERT_TRUE(wintest::WaitUntil([&] {
    const gui::Pixels p = run.View();
    return run.At(p, kViewW - 1, kViewH / 2) == kTrace && run.At(p, kViewW - 1, kViewH / 2 - 10) == kTrace;
  }));

  run.Click();  // off: the window's own background, no timer
  ASSERT_TRUE(wintest::WaitUntil([&] { return kv::ReadDword(kSection, "SpMode", 9) == 4; }));
  EXPECT_TRUE(run.Still());
  const gui::Pixels off = run.View();
  int wrong = 0;
  for (int y = 0; y < kViewH; ++y)
    for (int x = 0; x < kViewW; ++x) wrong += run.At(off, x, y) != SkinPixel(kViewX + x, kViewY + y);
  EXPECT_EQ(wrong, 0);

  run.Click();  // from off to bars and peaks, running again while engaged
  ASSERT_TRUE(wintest::WaitUntil([&] { return kv::ReadDword(kSection, "SpMode", 9) == 0; }));
  EXPECT_TRUE(wintest::WaitUntil([&] { return BarHeight(run, run.View(), kSineBand) > 0; }));
  EXPECT_TRUE(run.Ticking());
  run.module.reset();
  run.standIn.reset();

  // Markers through the mask (only each band's first column) and markers
  // showing the lit bars; the build that counts its GDI objects holds no
  // more of them after ticks that draw markers than before.
  using LiveFn = long(__cdecl*)();
  for (const bool mask : {true, false}) {
    UseSpectrumSkin(mask ? "PeakMask=1\n" : "PeakBg=1\n");
    Run again(true, "VrxProbe.dll");
    ASSERT_NE(again.window, nullptr);
    const auto live = reinterpret_cast<LiveFn>(GetProcAddress(again.module->dll(), "VrxLiveGdiObjects"));
    ASSERT_NE(live, nullptr);
    Feed(prismo, true);
    const COLORREF lifted = mask ? kPeak : kBarsLit;
    ASSERT_TRUE(wintest::WaitUntil([&] { return BarHeight(again, again.View(), kSineBand) > 2 * kPeakH; }));
    const long before = live();
    Feed(prismo, false);  // the marker falls tick by tick to the baseline
    ASSERT_TRUE(wintest::WaitUntil([&] {
      const gui::Pixels p = again.View();
      return again.At(p, kSineBand * kBandW, kBaseline - kPeakH - 1) == kBarsOff &&
             again.At(p, kSineBand * kBandW, kBaseline - 1) == lifted;
    }));
    EXPECT_EQ(live(), before);
    const gui::Pixels p = again.View();
    for (int band : {0, kSineBand, 59})
      for (int y = kBaseline - kPeakH; y < kBaseline; ++y) {
        EXPECT_EQ(again.At(p, band * kBandW, y), lifted) << "band " << band << ", row " << y;
        EXPECT_EQ(again.At(p, band * kBandW + 1, y), mask ? kBarsOff : kBarsLit) << "band " << band << ", row " << y;
      }
  }
  prismo.cleanup();
}

}  // namespace
