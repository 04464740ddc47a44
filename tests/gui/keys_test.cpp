// The keyboard and the wheel in real use, through the station display's
// slot: volume and stations, skins switched forward and backward, and the
// programs that keys start.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "host/engine_messages.h"
#include "host/kv_ini.h"
#include "host/settings.h"
#include "tests/gui/gui.h"
#include "tests/gui/launched.h"
#include "tests/support/wintest.h"

namespace {

constexpr char kSection[] = "Vrx";
constexpr char kClass[] = "QorvVarix";
constexpr int kW = 120, kH = 40;
constexpr uint32_t kSnap = 0x02, kCloseAfterAltGui = 0x10;

std::string WriteNamedSkin(const std::string& name) {
  return gui::WriteSkin(name, kW, kH, [](int, int) { return RGB(30, 60, 90); },
                        "[General]\nWidth=" + std::to_string(kW) + "\nHeight=" + std::to_string(kH) + "\n");
}

struct Run {
  gui::EngineWindow engine;
  std::unique_ptr<wintest::ModuleThread> module;
  HWND window = nullptr;

  void Start() {
    module = std::make_unique<wintest::ModuleThread>("Vrx.dll");
    window = module->WaitWindow(kClass);
    Focus(window);
  }
  // Keys go to the focused window: a click on the background gives it
  // (a single click: the double-click time is let pass first).
  void Focus(HWND w) {
    window = w;
    if (!w) return;
    module->WaitRest(GetDoubleClickTime() + 50);
    const POINT p = gui::ScreenPoint(w, 5, 5);
    gui::LeftClick(p.x, p.y);
    wintest::WaitUntil([&] { return GetForegroundWindow() == w; });
    module->WaitIdle();
  }
};

const UINT kVolume = engine::GetVolume(engine::Line::SoundLines);
const UINT kSetVolume = engine::SetVolume(engine::Line::SoundLines);

GUI_SCENARIO(Keys, ArrowsWheelAndFunctionKeysDriveTheEngine) {
  KvIniSetString(kSection, "Skin", WriteNamedSkin("plain").c_str());
  Run run;
  run.engine.Answer(kVolume, 100);
  run.Start();
  ASSERT_NE(run.window, nullptr);
  run.engine.Clear();
  gui::Press(VK_UP);         // no limit of its own: 101
  gui::Wheel(120);           // the wheel holds at 100
  gui::Wheel(60);            // less than a notch: unchanged
  gui::Press(VK_F3, VK_SHIFT);
  gui::Press(VK_F4);
  gui::Press(VK_ADD);
  run.module->WaitIdle();
  ASSERT_TRUE(run.engine.WaitFor(engine::kNextStation));
  // The engine's thread takes sent messages before posted ones, so only the
  // posted commands keep their order.
  EXPECT_EQ(run.engine.Messages(kVolume).size(), 3u);
  EXPECT_TRUE(wintest::MatchesSequence(run.engine.Messages(),
                                       {wintest::Posted(kSetVolume, 0x00650065, 0),
                                        wintest::Posted(kSetVolume, 0x00640064, 0),
                                        wintest::Posted(kSetVolume, 0x00640064, 0),
                                        wintest::Posted(engine::kSelectPreset, 15, 0),
                                        wintest::Posted(engine::kSelectPreset, 4, 0),
                                        wintest::Posted(engine::kNextStation, 0, 0)},
                                       wintest::Only({kSetVolume, engine::kSelectPreset,
                                                      engine::kNextStation})));
  EXPECT_FALSE(run.module->Finished());
}

// The rebuilt window takes the keyboard again: no click between the keys.
GUI_SCENARIO(Keys, NSwitchesSkinsForwardAndShiftNBackward) {
  gui::RemoveSkins();  // the default skins would come between
  for (const char* name : {"a", "b", "c"}) ASSERT_FALSE(WriteNamedSkin(name).empty());
  ASSERT_TRUE(wintest::WriteFileText(gui::Install() + "Varix\\aa.bmp", "BM"));  // no description
  KvIniSetString(kSection, "Skin", "b.bmp");
  Run run;
  run.Start();
  ASSERT_NE(run.window, nullptr);
  struct Step {
    WORD hold;
    const char* skin;
  };
  for (const Step& step : {Step{0, "c.bmp"}, Step{0, "a.bmp"}, Step{VK_SHIFT, "c.bmp"}, Step{VK_SHIFT, "b.bmp"}}) {
    SCOPED_TRACE(step.skin);
    const HWND old = run.window;
    gui::Press('N', step.hold);
    ASSERT_TRUE(wintest::WaitUntil([&] { return kv::ReadString(kSection, "Skin") == step.skin; }));
    // The module starts again with the new skin.
    run.window = run.module->WaitWindow(kClass, old);
    ASSERT_NE(run.window, nullptr);
    run.module->WaitIdle();
  }
}

GUI_SCENARIO(Keys, GClosesTheModuleWithoutAnAlternativeOne) {
  KvIniSetString(kSection, "Skin", WriteNamedSkin("plain").c_str());
  KvIniSetDword(kSection, "Flags", kSnap | kCloseAfterAltGui);
  ASSERT_TRUE(gui::StandIn("KvGUI.exe"));
  {
    Run run;
    run.Start();
    gui::Press('G');
    EXPECT_TRUE(run.module->Finished(wintest::kDefaultWaitMs));
  }
  KvIniSetString(kSection, "AltGUI", "VrxB.dll");
  Run run;
  run.Start();
  gui::Press('G');
  EXPECT_TRUE(run.module->Finished(wintest::kDefaultWaitMs));
  const auto started = gui::Launched(1);
  ASSERT_EQ(started.size(), 1u) << "only the run with AltGUI starts the host";
  EXPECT_NE(started[0].find("KvGUI.exe p \"VrxB.dll\""), std::string::npos) << started[0];
}

GUI_SCENARIO(Keys, HelpAndSettingsStartTheirPrograms) {
  KvIniSetString(kSection, "Skin", WriteNamedSkin("plain").c_str());
  ASSERT_TRUE(gui::SystemStandIn("hh.exe"));
  ASSERT_TRUE(gui::StandIn("KvSetup.exe"));
  Run run;
  run.Start();
  gui::Press('H');
  ASSERT_EQ(gui::Launched(1).size(), 1u);
  run.Focus(run.window);  // a help viewer takes the foreground
  gui::Press('H', VK_SHIFT);
  ASSERT_EQ(gui::Launched(2).size(), 2u);
  run.Focus(run.window);
  gui::Press(VK_DIVIDE);
  const auto started = gui::Launched(3);
  ASSERT_EQ(started.size(), 3u);
  const std::string help = gui::Install() + "KvHelp.chm";
  EXPECT_EQ(started[0].substr(0, started[0].find('|')), "hh.exe");
  EXPECT_NE(started[0].find("\"" + help + "::/gui.html\""), std::string::npos) << started[0];
  EXPECT_NE(started[1].find("\"" + help + "\""), std::string::npos) << started[1];
  EXPECT_EQ(started[2].substr(0, started[2].find('|')), "KvSetup.exe");
}

}  // namespace
