// The skin's buttons in real use: pressing and releasing, OneTouch, the ways
// a press is cancelled, toggles that show only the engine's state, station
// buttons with Shift, the closing, minimize and topmost buttons, programs
// started, and all of them without an engine.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/engine_messages.h"
#include "host/kv_ini.h"
#include "host/settings.h"
#include "tests/gui/gui.h"
#include "tests/gui/launched.h"

namespace {

constexpr char kSection[] = "Vrx";
constexpr char kClass[] = "QorvVarix";
constexpr int kW = 260, kH = 110, kSize = 20;
constexpr COLORREF kNormal = RGB(40, 40, 40);
constexpr COLORREF kLit = RGB(200, 0, 0);  // the pressed and on pictures
constexpr uint32_t kTopmost = 0x01, kSnap = 0x02, kTaskbar = 0x08;

// Where each button sits (the top row) and the station buttons below.
struct Place {
  const char* section;
  int x;
  int y;
  bool oneTouch;
};
constexpr Place kExit{"BtnExit", 10, 5, false}, kClose{"BtnCloseGUI", 35, 5, false},
    kTopmostButton{"BtnTopmost", 60, 5, false}, kMute{"BtnMute", 85, 5, false},
    kStereo{"BtnSetStereo", 110, 5, false}, kNext{"BtnNext", 135, 5, true}, kSetup{"BtnSetup", 160, 5, false};
constexpr int kStationY = 35;
Place Station(int n) { return {nullptr, 10 + 25 * (n - 1), kStationY, false}; }
// The other engine toggles on the third row; the window's own buttons on the
// fourth.
constexpr Place kRecord{"BtnRecord", 10, 60, false}, kFreeze{"BtnFreeze", 35, 60, false},
    kEngage{"BtnEngage", 60, 60, false}, kMuteFM{"BtnMuteFM", 85, 60, false}, kMuteRad{"BtnMuteRad", 110, 60, false},
    kMuteAll{"BtnMuteAll", 135, 60, false}, kMuteRec{"BtnMuteRec", 160, 60, false},
    kMuteWav{"BtnMuteWav", 185, 60, false};
constexpr Place kMinimize{"BtnMinimize", 10, 85, false}, kGui{"BtnGUI", 35, 85, false},
    kApp{"BtnApp", 60, 85, false}, kGuiApp{"BtnGUIApp", 85, 85, false}, kHelp{"BtnHelp", 110, 85, false},
    kPrevious{"BtnPrevious", 135, 85, false};

std::string Section(const std::string& name, const Place& p, const std::string& extra = "") {
  return "[" + name + "]\nWindowX=" + std::to_string(p.x) + "\nWindowY=" + std::to_string(p.y) +
         "\nControlX=" + std::to_string(p.x) + "\nControlY=" + std::to_string(p.y) +
         "\nControlWidth=20\nControlHeight=20\nControlAltX=" + std::to_string(p.x) +
         "\nControlAltY=" + std::to_string(p.y + kH) + "\nOneTouch=" + (p.oneTouch ? "1" : "0") + "\n" + extra;
}

void UseSkin(int stations = 8, int fontSize = 9) {
  std::string d = "[General]\nWidth=" + std::to_string(kW) + "\nHeight=" + std::to_string(kH) + "\n";
  for (const Place& p : {kExit, kClose, kTopmostButton, kMute, kStereo, kNext, kSetup, kRecord, kFreeze, kEngage,
                         kMuteFM, kMuteRad, kMuteAll, kMuteRec, kMuteWav, kMinimize, kGui, kApp, kGuiApp, kHelp,
                         kPrevious})
    d += Section(p.section, p);
  for (int n = 1; n <= stations; ++n)
    d += Section("BtnStation" + std::to_string(n), Station(n),
                 "Text=1\nFontColor=#FFFFFF\nFontColorPressed=#FFFF00\nFontSize=" + std::to_string(fontSize) + "\n");
  const std::string bitmap =
      gui::WriteSkin("buttons", kW, 2 * kH, [](int, int y) { return y < kH ? kNormal : kLit; }, d);
  ASSERT_FALSE(bitmap.empty());
  KvIniSetString(kSection, "Skin", bitmap.c_str());
}

// The module alone; Run adds the engine window it finds.
struct Bare {
  std::unique_ptr<wintest::ModuleThread> module;
  HWND window = nullptr;

  void Start() {
    module = std::make_unique<wintest::ModuleThread>("Vrx.dll");
    window = module->WaitWindow(kClass);
    module->WaitIdle();
  }
  POINT At(const Place& p, int dx = kSize / 2, int dy = kSize / 2) const {
    return gui::ScreenPoint(window, p.x + dx, p.y + dy);
  }
  // The button's picture: lit or normal, read at its corner (clear of labels).
  bool Lit(const Place& p) const {
    module->WaitIdle();
    return gui::CaptureClient(window).at(p.x + 1, p.y + 1) == kLit;
  }
  void MoveTo(const Place& p, int dx = kSize / 2, int dy = kSize / 2) {
    const POINT s = At(p, dx, dy);
    gui::MouseTo(s.x, s.y);
    module->WaitIdle();
  }
};

// The engine window is made first and goes last, so the module never runs
// without it.
struct WithEngine {
  gui::EngineWindow engine;
};
struct Run : WithEngine, Bare {
  size_t Count(UINT message) const { return engine.Messages(message).size(); }
};

// A click where the mouse is, with a key held through it.
void Click(WORD hold = 0) {
  if (hold) gui::KeyDown(hold);
  gui::LeftDown();
  gui::LeftUp();
  if (hold) gui::KeyUp(hold);
}

const UINT kSetMute = engine::SetMute(engine::Line::SoundLines);
const UINT kMuteNotice = engine::NotifyMute(engine::Line::SoundLines);

GUI_SCENARIO(Buttons, PressAndReleaseActsOnlyWhenReleasedOverIt) {
  UseSkin();
  Run run;
  run.Start();
  ASSERT_NE(run.window, nullptr);
  run.MoveTo(kMute);
  gui::LeftDown();
  EXPECT_TRUE(run.Lit(kMute));
  run.MoveTo(kStereo, 30, 5);  // off the button, on the background
  EXPECT_FALSE(run.Lit(kMute));
  run.MoveTo(kMute);
  EXPECT_TRUE(run.Lit(kMute)) << "pressed again once the mouse is back";
  gui::LeftUp();
  ASSERT_TRUE(run.engine.WaitFor(kSetMute));
  EXPECT_FALSE(run.Lit(kMute)) << "not on before the engine says so";

  run.MoveTo(kMute);
  gui::LeftDown();
  run.MoveTo(kStereo, 30, 5);
  gui::LeftUp();
  run.module->WaitIdle();
  EXPECT_TRUE(wintest::MatchesSequence(run.engine.Messages(), {wintest::Posted(kSetMute, 1, 0)},
                                       wintest::Only({kSetMute})));
}

GUI_SCENARIO(Buttons, OneTouchActsOnThePressWithoutAPressedPicture) {
  UseSkin();
  Run run;
  run.Start();
  run.MoveTo(kNext);
  gui::LeftDown();
  ASSERT_TRUE(run.engine.WaitFor(engine::kNextStation));
  EXPECT_FALSE(run.Lit(kNext));
  gui::LeftUp();
  run.module->WaitIdle();
  EXPECT_TRUE(wintest::MatchesSequence(run.engine.Messages(), {wintest::Sent(engine::kNextStation, 0, 0)},
                                       wintest::Only({engine::kNextStation})));
}

GUI_SCENARIO(Buttons, EscapeRightButtonAndLostCaptureCancelAPress) {
  UseSkin();
  Run run;
  run.Start();
  // Escape, pressed over the button: it ends the press and nothing else
  // (not the module, which Escape closes otherwise).
  run.MoveTo(kMute);
  gui::LeftDown();
  gui::Press(VK_ESCAPE);
  run.module->WaitIdle();
  ASSERT_FALSE(run.module->Finished());
  EXPECT_FALSE(run.Lit(kMute)) << "the press has ended";
  gui::LeftUp();
  // A right press.
  gui::LeftDown();
  gui::RightDown();
  gui::RightUp();
  run.module->WaitIdle();
  EXPECT_FALSE(run.Lit(kMute));
  gui::LeftUp();
  // A second window of the module's thread taking the capture: no focus
  // change tells the button.
  gui::LeftDown();
  ASSERT_TRUE(run.Lit(kMute));
  static HWND taker = nullptr;
  ASSERT_TRUE(run.module->OnThread([](void*) {
    taker = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    SetCapture(taker);
  }, nullptr));
  EXPECT_FALSE(run.Lit(kMute));
  gui::LeftUp();
  run.module->OnThread([](void*) { DestroyWindow(taker); }, nullptr);
  // Another program taking the foreground, after a press (not a double click).
  run.module->WaitRest(GetDoubleClickTime() + 50);
  gui::LeftDown();
  ASSERT_TRUE(run.Lit(kMute));
  ASSERT_TRUE(run.engine.ActivateOther());
  EXPECT_FALSE(run.Lit(kMute));
  gui::LeftUp();
  run.module->WaitIdle();
  EXPECT_FALSE(run.module->Finished());
  EXPECT_EQ(run.Count(kSetMute), 0u);
}

GUI_SCENARIO(Buttons, ADoubleClickActsOnce) {
  UseSkin();
  Run run;
  run.Start();
  const POINT p = run.At(kMute);
  gui::DoubleClick(p.x, p.y);
  run.module->WaitIdle();
  EXPECT_EQ(run.Count(kSetMute), 1u);
}

GUI_SCENARIO(Buttons, TogglesShowTheEngineState) {
  UseSkin();
  {
    Run run;
    run.engine.Answer(engine::kGetStereoButton, 0);  // mono forced: the stereo button is on
    run.Start();
    EXPECT_TRUE(run.Lit(kStereo));
    EXPECT_FALSE(run.Lit(kMute));
    PostMessageA(run.window, kMuteNotice, 0, 0);
    EXPECT_FALSE(run.Lit(kMute));
    PostMessageA(run.window, kMuteNotice, 1, 0);
    EXPECT_TRUE(run.Lit(kMute));
    // On, its click asks for off.
    const POINT p = run.At(kMute);
    gui::LeftClick(p.x, p.y);
    ASSERT_TRUE(run.engine.WaitFor(kSetMute));
    EXPECT_TRUE(run.Lit(kMute));
    EXPECT_TRUE(wintest::MatchesSequence(
        run.engine.Messages(),
        {wintest::Sent(engine::kGetStereoButton), wintest::Sent(engine::GetMute(engine::Line::SoundLines)),
         wintest::Posted(kSetMute, 0, 0)},
        wintest::Only({engine::kGetStereoButton, engine::GetMute(engine::Line::SoundLines), kSetMute})));
  }
  Run run;
  run.engine.Answer(engine::kGetStereoButton, 1);
  run.Start();
  EXPECT_FALSE(run.Lit(kStereo));
}

GUI_SCENARIO(Buttons, StationButtonsWithShiftAndTheirLabelsAndTips) {
  UseSkin(8);
  Run run;
  run.engine.Preset(1, 87500000, "One");
  run.engine.Preset(3, 101700000, "Three");
  run.engine.Preset(11, 104100000, "Eleven");
  run.Start();
  // Button 3 of 8 with Shift selects preset 11.
  run.MoveTo(Station(3));
  Click(VK_SHIFT);
  ASSERT_TRUE(run.engine.WaitFor(engine::kSelectPreset));
  EXPECT_TRUE(wintest::MatchesSequence(run.engine.Messages(), {wintest::Sent(engine::kSelectPreset, 11, 0)},
                                       wintest::Only({engine::kSelectPreset})));
  // Its tip names both presets.
  const POINT p = run.At(Station(3), 5, 5);
  gui::MouseTo(p.x, p.y);
  HWND tip = wintest::ThreadWindow(run.module->threadId(), "tooltips_class32", false);
  ASSERT_NE(tip, nullptr);
  ASSERT_TRUE(wintest::WaitUntil([&] { return IsWindowVisible(tip) != FALSE; }));
  EXPECT_EQ(wintest::WindowText(tip), "101.7 - Three\r\n+Shift: 104.1 - Eleven");

  // Button 1 carries its preset's frequency; button 2 (no preset) nothing.
  const auto label = [&](int n) {
    run.module->WaitIdle();
    const gui::Pixels px = gui::CaptureClient(run.window);
    std::string picture;
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x) picture += px.at(Station(n).x + x, kStationY + y) == kNormal ? '.' : '#';
    return picture;
  };
  const std::string before = label(1);
  EXPECT_NE(before.find('#'), std::string::npos);
  EXPECT_EQ(label(2).find('#'), std::string::npos);
  run.engine.Preset(1, 107900000, "One");
  SendMessageA(run.window, engine::kSettingsChanged, 0, 0);
  EXPECT_NE(label(1), before) << "the label follows the station list";
}

GUI_SCENARIO(Buttons, ALabelWiderThanItsButtonStaysOnIt) {
  UseSkin(2, 24);
  Run run;
  run.engine.Preset(1, 107900000, "One");
  run.Start();
  run.module->WaitIdle();
  const gui::Pixels px = gui::CaptureClient(run.window);
  const int left = Station(1).x, right = left + kSize;
  int drawn = 0, spilt = 0;
  for (int y = kStationY; y < kStationY + kSize; ++y)
    for (int x = 0; x < kW; ++x)
      if (px.at(x, y) != kNormal) ++(x < left || x >= right ? spilt : drawn);
  EXPECT_GT(drawn, 0);
  EXPECT_EQ(spilt, 0);
}

GUI_SCENARIO(Buttons, ExitAndCloseSwapWithShift) {
  UseSkin();
  struct Row {
    Place button;
    WORD hold;
    bool exitsPlayer;
  };
  for (const Row& row : {Row{kExit, 0, true}, Row{kExit, VK_SHIFT, false}, Row{kClose, 0, false},
                         Row{kClose, VK_SHIFT, true}}) {
    SCOPED_TRACE(std::string(row.button.section) + (row.hold ? " with Shift" : ""));
    Run run;
    run.Start();
    run.MoveTo(row.button);
    Click(row.hold);
    ASSERT_TRUE(run.module->Finished(wintest::kDefaultWaitMs));
    EXPECT_EQ(run.Count(engine::kExit), row.exitsPlayer ? 1u : 0u);
  }
}

GUI_SCENARIO(Buttons, TopmostFlipsTheFlagAndTheWindow) {
  UseSkin();
  KvIniSetDword(kSection, "Flags", kTopmost | kSnap);
  Run run;
  run.Start();
  EXPECT_TRUE(run.Lit(kTopmostButton));
  run.MoveTo(kTopmostButton);
  Click();
  run.module->WaitIdle();
  EXPECT_FALSE(gui::ExStyle(run.window) & WS_EX_TOPMOST);
  EXPECT_EQ(kv::ReadDword(kSection, "Flags", 0), kSnap);
  EXPECT_FALSE(run.Lit(kTopmostButton));
  run.module->WaitRest(GetDoubleClickTime() + 50);  // a second click, not a double click
  Click();
  run.module->WaitIdle();
  EXPECT_TRUE(gui::ExStyle(run.window) & WS_EX_TOPMOST);
  EXPECT_EQ(kv::ReadDword(kSection, "Flags", 0), kTopmost | kSnap);
  EXPECT_TRUE(run.Lit(kTopmostButton));
}

GUI_SCENARIO(Buttons, SettingsStartsTheSettingsProgram) {
  UseSkin();
  ASSERT_TRUE(gui::StandIn("KvSetup.exe"));
  Run run;
  run.Start();
  run.MoveTo(kSetup);
  Click();
  const auto started = gui::Launched(1);
  ASSERT_EQ(started.size(), 1u);
  EXPECT_EQ(started[0].substr(0, started[0].find('|')), "KvSetup.exe");
  EXPECT_FALSE(run.module->Finished());
}

// The toggles not covered above: each shows the engine's answer, asks for the
// opposite of it and changes only on the engine's notification.
GUI_SCENARIO(Buttons, TogglesAskForTheOppositeOfTheEngineState) {
  struct Row {
    Place button;
    UINT command, query, notification;
    bool state;
  };
  using engine::Line;
  const Row rows[] = {
      {kRecord, engine::kSetRecording, engine::kGetRecording, engine::kNotifyRecording, false},
      {kFreeze, engine::kSetFreeze, engine::kGetFreeze, engine::kNotifyFreeze, true},
      {kEngage, engine::kSetAdvanced, engine::kGetAdvanced, engine::kNotifyAdvanced, false},
      {kMuteFM, engine::kSetFmMute, engine::kGetFmMute, engine::kNotifyFmMute, true},
      {kMuteRad, engine::SetMute(Line::Radio), engine::GetMute(Line::Radio), engine::NotifyMute(Line::Radio), false},
      {kMuteAll, engine::SetMute(Line::All), engine::GetMute(Line::All), engine::NotifyMute(Line::All), true},
      {kMuteRec, engine::SetMute(Line::Record), engine::GetMute(Line::Record), engine::NotifyMute(Line::Record),
       false},
      {kMuteWav, engine::SetMute(Line::WaveOut), engine::GetMute(Line::WaveOut), engine::NotifyMute(Line::WaveOut),
       true},
  };
  UseSkin();
  Run run;
  for (const Row& row : rows) run.engine.Answer(row.query, row.state ? 1 : 0);
  run.Start();
  std::vector<wintest::Expected> expected;
  std::vector<uint32_t> commands;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.button.section);
    EXPECT_EQ(run.Lit(row.button), row.state);
    run.MoveTo(row.button);
    Click();
    ASSERT_TRUE(run.engine.WaitFor(row.command));
    EXPECT_EQ(run.Lit(row.button), row.state) << "not changed before the engine says so";
    PostMessageA(run.window, row.notification, row.state ? 0 : 1, 0);
    EXPECT_EQ(run.Lit(row.button), !row.state);
    expected.push_back(wintest::Posted(row.command, row.state ? 0 : 1, 0));
    commands.push_back(row.command);
  }
  EXPECT_TRUE(wintest::MatchesSequence(run.engine.Messages(), expected, wintest::Only(commands)));
}

GUI_SCENARIO(Buttons, WithoutAnEngineTogglesAreOffAndClicksDoNothing) {
  UseSkin();
  Bare run;  // no engine window anywhere
  run.Start();
  ASSERT_NE(run.window, nullptr);
  const Place toggles[] = {kMute, kRecord, kFreeze, kEngage, kMuteFM, kMuteRad, kMuteAll, kMuteRec, kMuteWav};
  for (const Place& p : toggles) EXPECT_FALSE(run.Lit(p)) << p.section;
  const gui::Pixels px = gui::CaptureClient(run.window);
  int labelled = 0;
  for (int n = 1; n <= 8; ++n)
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x) labelled += px.at(Station(n).x + x, kStationY + y) != kNormal;
  EXPECT_EQ(labelled, 0) << "station labels are empty";
  for (const Place& p : toggles) {
    run.MoveTo(p);
    Click();
  }
  for (const Place& p : {kStereo, kNext, kPrevious, Station(1), Station(3)}) {
    run.MoveTo(p);
    Click();
  }
  run.MoveTo(Station(2));
  Click(VK_SHIFT);
  EXPECT_TRUE(run.module->WaitIdle());
  EXPECT_FALSE(run.module->Finished());
}

GUI_SCENARIO(Buttons, MinimizeIconifiesWithATaskbarButtonAndClosesWithout) {
  UseSkin();
  for (const uint32_t flags : {kSnap | kTaskbar, kSnap}) {
    SCOPED_TRACE(flags);
    KvIniSetDword(kSection, "Flags", flags);
    Run run;
    run.Start();
    run.MoveTo(kMinimize);
    Click();
    if (flags & kTaskbar) {
      EXPECT_TRUE(wintest::WaitUntil([&] { return IsIconic(run.window) != FALSE; }));
      // Idle first: a module ending a moment after it iconified must fail too.
      EXPECT_TRUE(run.module->WaitIdle());
      EXPECT_FALSE(run.module->Finished());
    } else {
      EXPECT_TRUE(run.module->Finished(wintest::kDefaultWaitMs));
    }
    EXPECT_EQ(run.Count(engine::kExit), 0u) << "the player goes on";
  }
}

GUI_SCENARIO(Buttons, LaunchAndHelpButtonsStartTheirPrograms) {
  UseSkin();
  KvIniSetDword(kSection, "Flags", kSnap);  // neither closes the module after a start
  ASSERT_TRUE(gui::StandIn("KvGUI.exe"));
  ASSERT_TRUE(gui::StandIn("Tuner.exe"));
  ASSERT_TRUE(gui::SystemStandIn("hh.exe"));
  KvIniSetString(kSection, "AltGUI", "VrxB.dll");
  KvIniSetString(kSection, "ExtApp", ("\"" + gui::Install() + "Tuner.exe\" -a").c_str());
  const std::string help = gui::Install() + "KvHelp.chm";
  struct Row {
    Place button;
    WORD hold;
    std::string program, part;  // the file started and a part of its command line
  };
  const std::string module = "KvGUI.exe p \"VrxB.dll\"";
  const Row rows[] = {
      {kGui, 0, "KvGUI.exe", module},
      {kApp, 0, "Tuner.exe", "Tuner.exe\" -a"},
      {kGuiApp, 0, "KvGUI.exe", module},
      {kGuiApp, VK_SHIFT, "Tuner.exe", "Tuner.exe\" -a"},
      {kHelp, 0, "hh.exe", "\"" + help + "::/gui.html\""},
      {kHelp, VK_SHIFT, "hh.exe", "\"" + help + "\""},
  };
  Run run;
  run.Start();
  size_t count = 0;
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.button.section) + (row.hold ? " with Shift" : ""));
    run.module->WaitRest(GetDoubleClickTime() + 50);  // a click apart, not a double click
    run.MoveTo(row.button);
    Click(row.hold);
    const auto started = gui::Launched(++count);
    ASSERT_EQ(started.size(), count);
    EXPECT_EQ(started.back().substr(0, started.back().find('|')), row.program);
    EXPECT_NE(started.back().find(row.part), std::string::npos) << started.back();
  }
  // A module path far longer than a file path is passed whole.
  const std::string longModule = "C:\\" + std::string(600, 'm') + ".dll";
  KvIniSetString(kSection, "AltGUI", longModule.c_str());
  run.module->WaitRest(GetDoubleClickTime() + 50);
  run.MoveTo(kGui);
  Click();
  const auto started = gui::Launched(++count);
  ASSERT_EQ(started.size(), count);
  EXPECT_NE(started.back().find("KvGUI.exe p \"" + longModule + "\""), std::string::npos) << started.back();
  EXPECT_FALSE(run.module->Finished());
}

}  // namespace
