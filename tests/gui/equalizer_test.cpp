// The equalizer panel against the real Tonal10.dll (and the 31-band test
// stand-in), loaded in the module's own process as the module loads them:
// the button switching both bypass words, band sliders writing the shared
// record and the settings, "EqualizerSettings" moving them, and a skin
// without an active equalizer plug-in.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "host/engine_messages.h"
#include "host/kv_ini.h"
#include "host/records.h"
#include "host/settings.h"
#include "host/win_handle.h"
#include "player/engine/tests/engine_client.h"
#include "player/engine/tests/test_stations.h"
#include "player/engine/wav_file.h"
#include "tests/gui/gui.h"

namespace {

constexpr char kSection[] = "Vrx";
constexpr char kClass[] = "QorvVarix";
constexpr uint32_t kFlagsTopmostNoTips = 0x01 | 0x40;
constexpr int kW = 200, kH = 120;
constexpr COLORREF kNormal = RGB(40, 40, 40), kLit = RGB(200, 0, 0);
constexpr int kButtonX = 10, kButtonY = 5, kButtonSize = 20;

const UINT kEqualizerSettings = RegisterWindowMessageA(engine::kEqualizerSettingsName);

// Band slider s (1-based): a vertical path running up from row kPathBottom
// over 101 rows, the thumb 10 x 21 (travel 80 pixels: min 20, max 100,
// the middle 60, where the gain is 0). The thumb is the lit picture.
constexpr int kPathBottom = 110, kPathHeight = 101, kThumbW = 10, kThumbH = 21;
int SliderX(int s) { return 40 + 14 * (s - 1); }
// The thumb's top row for a stored gain, and the row to hold the mouse at
// (the thumb's middle) for a thumb top.
constexpr int kTopMinus100 = 90, kTopFlat = 50, kTopPlus400 = 10;
constexpr int MouseRowFor(int top) { return top + kThumbH / 2; }

// filters: the active-filter list, a run of NUL-terminated names.
template <size_t N>
void UseSkin(const char (&filters)[N], int sliders = 0) {
  std::string d = "[General]\nWidth=" + std::to_string(kW) + "\nHeight=" + std::to_string(kH) +
                  "\n[BtnEqualizer]\nWindowX=" + std::to_string(kButtonX) + "\nWindowY=" + std::to_string(kButtonY) +
                  "\nControlX=0\nControlY=0\nControlWidth=20\nControlHeight=20" +
                  "\nControlAltX=0\nControlAltY=" + std::to_string(kH) + "\n";
  for (int s = 1; s <= sliders; ++s) {
    char name[16];
    wsprintfA(name, "SldBand%02d", s);
    d += std::string("[") + name + "]\nWindowX=" + std::to_string(SliderX(s)) + "\nWindowY=" +
         std::to_string(kPathBottom) + "\nWindowPathWidth=" + std::to_string(kThumbW) + "\nWindowPathHeight=-" +
         std::to_string(kPathHeight) + "\nControlX=0\nControlY=" + std::to_string(kH) +
         "\nControlWidth=" + std::to_string(kThumbW) + "\nControlHeight=" + std::to_string(kThumbH) + "\n";
  }
  const std::string bitmap =
      gui::WriteSkin("equalizer", kW, 2 * kH, [](int, int y) { return y < kH ? kNormal : kLit; }, d);
  ASSERT_FALSE(bitmap.empty());
  KvIniSetString(kSection, "Skin", bitmap.c_str());
  KvIniSetDword(kSection, "Flags", kFlagsTopmostNoTips);
  KvIniSetBinary("KvFilters", "Filters", filters, N - 1);
}

// The plug-in's file of the scenario's folder: the very library the module
// loads, so its record is the module's.
struct Plugin {
  explicit Plugin(const char* file) : dll(LoadLibraryA(file)) {
    if (auto get = dll.Export<void*(__cdecl*)()>("GetEqualizer")) words = static_cast<volatile int32_t*>(get());
  }
  kv::Library dll;
  volatile int32_t* words = nullptr;
};

// The module; with the recording stand-in in the engine's place unless the
// real engine already runs.
struct Bare {
  std::unique_ptr<wintest::ModuleThread> module;
  HWND window = nullptr;

  void Start() {
    module = std::make_unique<wintest::ModuleThread>("Vrx.dll");
    window = module->WaitWindow(kClass);
    module->WaitIdle();
  }
  bool Lit(int x, int y) const {
    module->WaitIdle();
    return gui::CaptureClient(window).at(x, y) == kLit;
  }
  bool ButtonLit() const { return Lit(kButtonX + 1, kButtonY + 1); }
  // The top row of slider s's thumb, -1 when none shows.
  int ThumbTop(int s) const {
    module->WaitIdle();
    const gui::Pixels p = gui::CaptureClient(window);
    for (int y = 0; y < kH; ++y)
      if (p.at(SliderX(s) + kThumbW / 2, y) == kLit) return y;
    return -1;
  }
  // Presses on slider `from` at `row`, moves across to slider `to` at the
  // same row and releases: every slider passed takes the drag over.
  void Paint(int from, int to, int row) {
    const POINT a = gui::ScreenPoint(window, SliderX(from) + kThumbW / 2, row);
    const POINT b = gui::ScreenPoint(window, SliderX(to) + kThumbW / 2, row);
    gui::Drag(a, b, 7 * (to - from + 1));
    module->WaitIdle();
  }
  void ClickButton() {
    // Apart from the last click, so that two never make a double click.
    const POINT p = gui::ScreenPoint(window, kButtonX + 4 + 6 * (clicks++ % 2), kButtonY + 10);
    gui::LeftClick(p.x, p.y);
    module->WaitIdle();
  }
  int clicks = 0;
};
// The stand-in is made first and goes last, so the module never runs without it.
struct WithEngine {
  gui::EngineWindow engine;
};
struct Run : WithEngine, Bare {};

uint32_t Stored(const char* section, const char* key) { return kv::ReadDword(section, key, 0xDEAD); }
int32_t StoredGain(const char* section, const char* prefix, int band) {
  return static_cast<int32_t>(Stored(section, (prefix + std::to_string(band)).c_str()));
}

GUI_SCENARIO(Equalizer, TheButtonSwitchesBothBypassWordsAndLeavesTheGains) {
  UseSkin("Prismo.dll\0tonal10.DLL\0");
  Plugin tonal("Tonal10.dll");
  ASSERT_NE(tonal.words, nullptr);
  auto* record = const_cast<EqualizerShared*>(reinterpret_cast<volatile EqualizerShared*>(tonal.words));
  record->left.gain[3] = 50;
  record->right.gain[3] = 60;
  Run run;
  run.Start();
  ASSERT_NE(run.window, nullptr);
  EXPECT_EQ(run.module->MessageBoxNow(), nullptr);
  EXPECT_TRUE(run.ButtonLit()) << "a fresh record is not bypassed";

  for (const bool on : {false, true}) {
    run.ClickButton();
    ASSERT_TRUE(run.engine.WaitFor(kEqualizerSettings, on ? 2 : 1));
    EXPECT_EQ(run.ButtonLit(), on);
    EXPECT_EQ(record->left.disable, on ? 0 : 1);
    EXPECT_EQ(record->right.disable, on ? 0 : 1);
    EXPECT_EQ(Stored("Tonal10", "LDisable"), on ? 0u : 1u);
    EXPECT_EQ(Stored("Tonal10", "RDisable"), on ? 0u : 1u);
    EXPECT_EQ(record->left.gain[3], 50);
    EXPECT_EQ(record->right.gain[3], 60);
    EXPECT_EQ(Stored("Tonal10", "LFreq3"), 0xDEADu) << "a switch writes no gain";
  }

  // Another program bypasses the left channel and tells everybody.
  record->left.disable = 1;
  PostMessageA(run.window, kEqualizerSettings, 0, 0);
  EXPECT_TRUE(wintest::WaitUntil([&] { return !run.ButtonLit(); }));
}

GUI_SCENARIO(Equalizer, WithoutAnActivePluginTheBoxComesOncePerWindowBuild) {
  UseSkin("Prismo.dll\0Tonal10.dll.bak\0", 3);
  Run run;
  run.module = std::make_unique<wintest::ModuleThread>("Vrx.dll");
  for (int build = 0; build < 2; ++build) {
    const HWND box = run.module->WaitMessageBox();
    ASSERT_NE(box, nullptr) << "build " << build;
    EXPECT_EQ(wintest::MessageBoxContent(box),
              "Varix 2.39|The Equalizer plug-in isn't active. You can activate the module in the settings.");
    EXPECT_EQ(GetWindow(box, GW_OWNER), wintest::ThreadWindow(run.module->threadId(), kClass, false));
    ASSERT_TRUE(wintest::CloseMessageBox(box));
    run.window = run.module->WaitWindow(kClass);
    ASSERT_NE(run.window, nullptr);
    ASSERT_TRUE(run.module->WaitIdle());
    EXPECT_EQ(run.module->MessageBoxNow(), nullptr) << "a second box in build " << build;
    // The button still switches its own picture, and nothing else.
    EXPECT_FALSE(run.ButtonLit());
    run.ClickButton();
    EXPECT_TRUE(run.ButtonLit());
    EXPECT_EQ(Stored("Tonal10", "LDisable"), 0xDEADu);
    // The band sliders rest in the middle and write nothing when dragged.
    for (int s = 1; s <= 3; ++s) EXPECT_EQ(run.ThumbTop(s), kTopFlat) << "slider " << s;
    run.Paint(1, 2, MouseRowFor(kTopPlus400));
    EXPECT_EQ(run.ThumbTop(2), kTopPlus400);
    EXPECT_EQ(Stored("Tonal10", "LFreq0"), 0xDEADu);
    if (build == 0) PostMessageA(run.window, RegisterWindowMessageA(engine::kEngineStartedName), 0, 0);
  }
  // Two clicks and two slider moves at least.
  EXPECT_GE(run.engine.Messages(kEqualizerSettings).size(), 4u);
}

GUI_SCENARIO(Equalizer, BandSlidersShowTheRecordAndPaintACurveIntoIt) {
  UseSkin("Tonal10.dll\0", 10);
  Plugin tonal("Tonal10.dll");
  ASSERT_NE(tonal.words, nullptr);
  auto* record = const_cast<EqualizerShared*>(reinterpret_cast<volatile EqualizerShared*>(tonal.words));
  record->left.gain[0] = -100;
  record->left.gain[1] = 400;
  record->left.gain[2] = -37;  // 252 of 800: 25 of the 80 pixels
  record->left.gain[3] = 999;  // beyond the scale: held at its end
  record->right.gain[4] = 400;  // the right channel is never read
  record->left.amp = 20;
  Run run;
  run.Start();
  ASSERT_NE(run.window, nullptr);
  const int shown[10] = {kTopMinus100, kTopPlus400, 110 - 45, kTopPlus400, kTopFlat,
                         kTopFlat,     kTopFlat,    kTopFlat, kTopFlat,    kTopFlat};
  for (int s = 1; s <= 10; ++s) EXPECT_EQ(run.ThumbTop(s), shown[s - 1]) << "slider " << s;

  // Another module changed a gain and tells everybody: the slider follows.
  record->left.gain[5] = 400;
  PostMessageA(run.window, kEqualizerSettings, 0, 0);
  EXPECT_TRUE(wintest::WaitUntil([&] { return run.ThumbTop(6) == kTopPlus400; }));

  // A stroke across sliders 5 to 8 at the row of -50 %: each takes the drag
  // over, its band goes to -50 % in both channels and in the settings.
  const int row = MouseRowFor(70);  // thumb top 70: position 40 of 20 ... 100, (40 - 60) x 100 / 40
  run.Paint(5, 8, row);
  for (int s = 5; s <= 8; ++s) {
    EXPECT_EQ(run.ThumbTop(s), 70) << "slider " << s;
    EXPECT_EQ(record->left.gain[s - 1], -50) << "band " << s - 1;
    EXPECT_EQ(record->right.gain[s - 1], -50) << "band " << s - 1;
  }
  const int32_t expected[10] = {-100, 400, -37, 999, -50, -50, -50, -50, 0, 0};
  for (int b = 0; b < 10; ++b) {
    EXPECT_EQ(record->left.gain[b], expected[b]) << "band " << b;
    EXPECT_EQ(record->right.gain[b], expected[b]) << "band " << b << ": the right channel copies the left";
    EXPECT_EQ(StoredGain("Tonal10", "LFreq", b), expected[b]) << "band " << b;
    EXPECT_EQ(StoredGain("Tonal10", "RFreq", b), expected[b]) << "band " << b;
  }
  EXPECT_EQ(record->left.amp, 20);
  EXPECT_EQ(Stored("Tonal10", "LAmp"), 0xDEADu);
  EXPECT_EQ(record->left.disable, 0);
  EXPECT_GE(run.engine.Messages(kEqualizerSettings).size(), 4u) << "one post per move at least";
  // Sliders the stroke never reached stay put.
  EXPECT_EQ(run.ThumbTop(4), kTopPlus400);
  EXPECT_EQ(run.ThumbTop(9), kTopFlat);
}

GUI_SCENARIO(Equalizer, TenSlidersOverThe31BandPluginDriveTheFixedGroups) {
  UseSkin("Tonal10.dll\0Tonal31.dll\0", 10);
  Plugin wide("Tonal31.dll");
  ASSERT_NE(wide.words, nullptr);
  volatile int32_t* left = wide.words + 2;
  volatile int32_t* right = wide.words + 33 + 2;
  left[3] = 200;   // slider 1 (bands 0-6) shows its highest band
  left[27] = 400;  // slider 8 drives band 27 alone
  right[20] = -100;
  Run run;
  run.Start();
  ASSERT_NE(run.window, nullptr);
  EXPECT_EQ(run.module->MessageBoxNow(), nullptr);
  EXPECT_EQ(run.ThumbTop(1), 30);  // 600 of 800: 60 of 80 pixels up from 90
  EXPECT_EQ(run.ThumbTop(8), kTopPlus400);
  EXPECT_EQ(run.ThumbTop(6), kTopFlat) << "the right channel is never read";

  run.Paint(2, 2, MouseRowFor(kTopPlus400));  // bands 7-9
  for (int b = 0; b < 31; ++b) {
    const int32_t gain = b >= 7 && b <= 9 ? 400 : b == 3 ? 200 : b == 27 ? 400 : 0;
    EXPECT_EQ(left[b], gain) << "band " << b;
    EXPECT_EQ(right[b], gain) << "band " << b;
    EXPECT_EQ(StoredGain("Tonal31", "LFreq", b), gain) << "band " << b;
    EXPECT_EQ(StoredGain("Tonal31", "RFreq", b), gain) << "band " << b;
  }
  EXPECT_EQ(Stored("Tonal10", "LFreq0"), 0xDEADu);
  EXPECT_TRUE(run.ButtonLit());
}

// A second of what the engine records (after its plug-ins), as the mean
// step from one sample of a channel to the next: the DC part of a block,
// which the equalizer passes whatever its gains, counts only at the
// block's edges. -1 when nothing could be had.
double RecordedLevel(const enginetest::EngineProcess& engine) {
  if (engine.Send(engine::kSetRecording, 1) != 1) return -1;
  wintest::WaitUntil([&] { return engine.Send(engine::kGetRecordDuration) >= 1; }, 10000);
  char path[MAX_PATH] = {};
  const bool named = engine.Send(engine::kGetRecordPath, GetCurrentProcessId(), reinterpret_cast<LPARAM>(path)) == 1;
  engine.Send(engine::kSetRecording, 0);
  if (!named) return -1;
  std::ifstream in(path, std::ios::binary);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  engine::WavAudio audio;
  if (engine::ParseWav(bytes.data(), bytes.size(), audio) != engine::WavError::None || audio.samples.empty()) return -1;
  if (audio.samples.size() <= audio.channels) return -1;
  double sum = 0;
  for (size_t i = audio.channels; i < audio.samples.size(); ++i)
    sum += std::abs(double(audio.samples[i]) - double(audio.samples[i - audio.channels]));
  return sum / static_cast<double>(audio.samples.size() - audio.channels);
}

GUI_SCENARIO(Equalizer, TheEngineInAnotherProcessPlaysTheCurvePaintedOnTheSliders) {
  UseSkin("Tonal10.dll\0", 10);
  constexpr uint32_t kStationHertz = 101'700'000;
  enginetest::StoreStations({enginetest::Station(kStationHertz, 1, 1, "Music")});
  KvIniSetDword("KvEngine", "Frequency", kStationHertz);
  // The engine of this folder, so that it loads the very Tonal10.dll the
  // module loads: only one file's record is shared.
  const std::string folder = gui::Install();
  KvIniSetString("KvSave", "FileName", (folder + "take.wav").c_str());
  ASSERT_TRUE(CopyFileA((wintest::InstallFolder() + "KvEngine.exe").c_str(), (folder + "KvEngine.exe").c_str(), FALSE));
  enginetest::EngineProcess engine({}, folder);
  ASSERT_TRUE(engine.window());
  Plugin tonal("Tonal10.dll");
  ASSERT_NE(tonal.words, nullptr);
  auto* record = const_cast<EqualizerShared*>(reinterpret_cast<volatile EqualizerShared*>(tonal.words));
  Bare run;
  run.Start();
  ASSERT_NE(run.window, nullptr);
  ASSERT_TRUE(wintest::WaitUntil([&] { return record->sound.left.average > 0; }, 10000)) << "the engine plays nothing";
  const double flat = RecordedLevel(engine);
  ASSERT_GT(flat, 10);

  // Every band to -100 %: the engine's equalizer lets nothing but the DC through.
  run.Paint(1, 10, MouseRowFor(kTopMinus100));
  for (int b = 0; b < 10; ++b) {
    EXPECT_EQ(record->left.gain[b], -100) << "band " << b;
    EXPECT_EQ(record->right.gain[b], -100) << "band " << b;
    EXPECT_EQ(StoredGain("Tonal10", "LFreq", b), -100) << "band " << b;
    EXPECT_EQ(StoredGain("Tonal10", "RFreq", b), -100) << "band " << b;
  }
  // The engine passes "EqualizerSettings" back to the module: the sliders stay.
  for (int s = 1; s <= 10; ++s) EXPECT_EQ(run.ThumbTop(s), kTopMinus100) << "slider " << s;
  // The engine's blocks since then: no band keeps any energy.
  ASSERT_TRUE(wintest::WaitUntil([&] {
    for (int b = 0; b < 10; ++b)
      if (record->sound.left.band[b] != 0 || record->sound.right.band[b] != 0) return false;
    return true;
  }, 5000));
  const double quiet = RecordedLevel(engine);
  ASSERT_GE(quiet, 0);
  EXPECT_LT(quiet * 50, flat) << "flat " << flat << ", all bands at -100 %: " << quiet;
}

}  // namespace
