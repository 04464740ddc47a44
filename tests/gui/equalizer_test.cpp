// The equalizer panel against the real Tonal10.dll (and the 31-band test
// stand-in), loaded in the module's own process as the module loads them:
// the button switching both bypass words, band sliders writing the shared
// record and the settings, "EqualizerSettings" moving them, and a skin
// without an active equalizer plug-in.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "host/engine_messages.h"
#include "host/kv_ini.h"
#include "host/records.h"
#include "host/settings.h"
#include "tests/gui/gui.h"

namespace {

constexpr char kSection[] = "Vrx";
constexpr char kClass[] = "QorvVarix";
constexpr uint32_t kFlagsTopmostNoTips = 0x01 | 0x40;
constexpr int kW = 200, kH = 120;
constexpr COLORREF kNormal = RGB(40, 40, 40), kLit = RGB(200, 0, 0);
constexpr int kButtonX = 10, kButtonY = 5, kButtonSize = 20;

const UINT kEqualizerSettings = RegisterWindowMessageA(engine::kEqualizerSettingsName);

// filters: the active-filter list, a run of NUL-terminated names.
template <size_t N>
void UseSkin(const char (&filters)[N]) {
  const std::string d = "[General]\nWidth=" + std::to_string(kW) + "\nHeight=" + std::to_string(kH) +
                        "\n[BtnEqualizer]\nWindowX=" + std::to_string(kButtonX) + "\nWindowY=" +
                        std::to_string(kButtonY) + "\nControlX=0\nControlY=0\nControlWidth=20\nControlHeight=20" +
                        "\nControlAltX=0\nControlAltY=" + std::to_string(kH) + "\n";
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
    using Get = void*(__cdecl*)();
    if (dll) {
      if (auto get = reinterpret_cast<Get>(reinterpret_cast<void*>(GetProcAddress(dll, "GetEqualizer"))))
        words = static_cast<volatile int32_t*>(get());
    }
  }
  ~Plugin() {
    if (dll) FreeLibrary(dll);
  }
  HMODULE dll;
  volatile int32_t* words = nullptr;
};

struct Run {
  gui::EngineWindow engine;
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
  void ClickButton() {
    // Apart from the last click, so that two never make a double click.
    const POINT p = gui::ScreenPoint(window, kButtonX + 4 + 6 * (clicks++ % 2), kButtonY + 10);
    gui::LeftClick(p.x, p.y);
    module->WaitIdle();
  }
  int clicks = 0;
};

uint32_t Stored(const char* section, const char* key) { return kv::ReadDword(section, key, 0xDEAD); }

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
  UseSkin("Prismo.dll\0Tonal10.dll.bak\0");
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
    if (build == 0) PostMessageA(run.window, RegisterWindowMessageA(engine::kEngineStartedName), 0, 0);
  }
  EXPECT_TRUE(run.engine.WaitFor(kEqualizerSettings, 2));
}

}  // namespace
