// The station list against the recording engine window: a clicked line
// tunes, the active line follows the engine's frequency, the up and down
// areas step at the press or at the release depending on their pressed
// picture, resting on an area scrolls, and long, empty or unusable lists.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/engine_messages.h"
#include "host/kv_ini.h"
#include "player/engine/tests/engine_client.h"
#include "player/engine/tests/test_stations.h"
#include "tests/gui/gui.h"

namespace {

constexpr char kSection[] = "Vrx";
constexpr char kClass[] = "QorvVarix";
constexpr uint32_t kFlagsTopmostNoTips = 0x01 | 0x40;  // no timer but the list's runs
constexpr int kW = 160, kH = 70;
constexpr int kListX = 20, kListY = 10, kListW = 60, kListH = 40;
constexpr RECT kUp{100, 10, 120, 20}, kDown{100, 40, 120, 50};
constexpr COLORREF kBack = RGB(0, 0, 64), kLit = RGB(0, 200, 0);
constexpr uint32_t kHidden = 106'200'000;  // a station without a button: no line
const uint32_t kLines[] = {88'400'000, 91'300'000, 95'000'000, 98'700'000, 101'700'000};

// The skin: the list and its areas over a plain background, the pressed
// pictures (green) below the window's part of the bitmap. Only the down area
// has a pressed picture unless asked.
void UseSkin(int pitch = 12, bool upPressed = false) {
  auto area = [](const std::string& side, const RECT& r, bool pressed) {
    std::string keys = "Window" + side + "X=" + std::to_string(r.left) + "\nWindow" + side +
                       "Y=" + std::to_string(r.top) + "\nWindow" + side + "Width=20\nWindow" + side + "Height=10\n";
    if (pressed)
      keys += "Control" + side + "AltX=" + std::to_string(r.left) + "\nControl" + side +
              "AltY=" + std::to_string(r.top + kH) + "\n";
    return keys;
  };
  const std::string d = "[General]\nWidth=" + std::to_string(kW) + "\nHeight=" + std::to_string(kH) +
                        "\n[List]\n" + area("Up", kUp, upPressed) + area("Down", kDown, true) +
                        "WindowListX=" + std::to_string(kListX) + "\nWindowListY=" + std::to_string(kListY) +
                        "\nWindowListWidth=" + std::to_string(kListW) + "\nWindowListHeight=" +
                        std::to_string(kListH) + "\nWindowListOffsetCY=" + std::to_string(pitch) +
                        "\nFontColor=#FFFFFF\nFontSize=12\nActiveFontColor=#FF0000\nActiveFontSize=12\n";
  const std::string bitmap =
      gui::WriteSkin("list", kW, 2 * kH, [](int, int y) { return y < kH ? kBack : kLit; }, d);
  ASSERT_FALSE(bitmap.empty());
  KvIniSetString(kSection, "Skin", bitmap.c_str());
  KvIniSetDword(kSection, "Flags", kFlagsTopmostNoTips);
}

// The five lines, with a station without a button among them.
void StoreFiveLines() {
  std::vector<StationInfo> s;
  for (uint32_t i = 0; i < 5; ++i) {
    s.push_back(enginetest::Station(kLines[i], 1, i + 1, "Line"));
    if (i == 1) s.push_back(enginetest::Station(kHidden, 0, 0, "Hidden"));
  }
  enginetest::StoreStations(s);
}

struct Run {
  gui::EngineWindow engine;
  std::unique_ptr<wintest::ModuleThread> module;
  HWND window = nullptr;
  DWORD startMs = 0;

  explicit Run(uint32_t frequency = 0) {
    engine.Answer(engine::kGetFrequency, frequency);
    const DWORD t0 = GetTickCount();
    module = std::make_unique<wintest::ModuleThread>("Vrx.dll");
    window = module->WaitWindow(kClass);
    module->WaitIdle();
    startMs = GetTickCount() - t0;
  }
  void MoveTo(int x, int y) {
    const POINT s = gui::ScreenPoint(window, x, y);
    gui::MouseTo(s.x, s.y);
    module->WaitIdle();
  }
  void MoveToArea(const RECT& r) { MoveTo(r.left + 10, r.top + 5); }
  // A click on a list point, never taken for the second of a double click.
  void ClickList(int x, int y) {
    module->WaitRest(GetDoubleClickTime() + 50);
    MoveTo(kListX + x, kListY + y);
    gui::LeftDown();
    gui::LeftUp();
    module->WaitIdle();
  }
  gui::Pixels Pixels() const {
    module->WaitIdle();
    return gui::CaptureClient(window);
  }
  bool Lit(const RECT& r) const { return Pixels().at(r.left + 1, r.top + 1) == kLit; }
  // The list rows holding active (red) text.
  std::vector<int> ActiveRows() const {
    const gui::Pixels p = Pixels();
    std::vector<int> rows;
    for (int y = 0; y < kListH; ++y)
      for (int x = 0; x < kListW; ++x) {
        const COLORREF c = p.at(kListX + x, kListY + y);
        if (GetRValue(c) > 150 && GetGValue(c) < 80) {
          rows.push_back(y);
          break;
        }
      }
    return rows;
  }
  std::vector<COLORREF> List() const {
    const gui::Pixels p = Pixels();
    std::vector<COLORREF> list;
    for (int y = 0; y < kListH; ++y)
      for (int x = 0; x < kListW; ++x) list.push_back(p.at(kListX + x, kListY + y));
    return list;
  }
  bool TickedDuringRest() const {
    const long before = module->TimerMessages();
    module->WaitRest(100);
    return module->TimerMessages() != before;
  }
  std::vector<wintest::Message> Tunes() const { return engine.Messages(engine::kTune); }
};

bool Within(const std::vector<int>& rows, int top, int bottom) {
  if (rows.empty()) return false;
  for (int y : rows)
    if (y < top || y >= bottom) return false;
  return true;
}

GUI_SCENARIO(StationList, LinesTuneAndTheActiveLineFollowsTheEngine) {
  UseSkin();
  StoreFiveLines();
  // Line 4 playing at the start: offset 34 puts it at rows 14 ... 25.
  Run run(kLines[4]);
  ASSERT_NE(run.window, nullptr);
  EXPECT_TRUE(Within(run.ActiveRows(), 14, 26));
  run.ClickList(5, 20);
  run.ClickList(5, 5);  // line 3, from row 2

  // Line 0 playing: offset 46 puts it at rows 14 ... 25 after 3 and 4.
  PostMessageA(run.window, engine::kNotifyFrequency, kLines[0], 0);
  EXPECT_TRUE(Within(run.ActiveRows(), 14, 26));
  run.ClickList(5, 20);
  run.ClickList(5, 5);
  // A frequency no line shows: nothing active, nothing moved.
  PostMessageA(run.window, engine::kNotifyFrequency, kHidden, 0);
  EXPECT_TRUE(run.ActiveRows().empty());
  run.ClickList(5, 20);
  run.ClickList(kListW - 2, 20);  // beside the text: no line
  EXPECT_TRUE(wintest::MatchesSequence(
      run.engine.Messages(),
      {wintest::Sent(engine::kGetFrequency), wintest::Posted(engine::kTune, kLines[4], 0),
       wintest::Posted(engine::kTune, kLines[3], 0), wintest::Posted(engine::kTune, kLines[0], 0),
       wintest::Posted(engine::kTune, kLines[4], 0), wintest::Posted(engine::kTune, kLines[0], 0)},
      wintest::Only({engine::kGetFrequency, engine::kTune})));
}

GUI_SCENARIO(StationList, AnAreaWithoutPressedPictureStepsAtThePressWithOneAtTheRelease) {
  UseSkin();
  StoreFiveLines();
  Run run;
  run.MoveToArea(kUp);
  gui::LeftDown();
  EXPECT_TRUE(run.engine.WaitFor(engine::kPreviousStation)) << "at the press";
  gui::LeftUp();

  run.MoveToArea(kDown);
  gui::LeftDown();
  EXPECT_TRUE(run.Lit(kDown));
  run.MoveTo(kW - 5, kH - 5);  // off the area, on the background
  EXPECT_FALSE(run.Lit(kDown));
  run.MoveToArea(kDown);
  EXPECT_TRUE(run.Lit(kDown));
  EXPECT_TRUE(run.engine.Messages(engine::kNextStation).empty()) << "not before the release";
  gui::LeftUp();
  EXPECT_TRUE(run.engine.WaitFor(engine::kNextStation));
  EXPECT_FALSE(run.Lit(kDown));

  // Released elsewhere, cancelled by Escape or the right button: no step.
  gui::LeftDown();
  run.MoveTo(kW - 5, kH - 5);
  gui::LeftUp();
  run.MoveToArea(kDown);
  gui::LeftDown();
  gui::Press(VK_ESCAPE);
  EXPECT_FALSE(run.Lit(kDown));
  gui::LeftUp();
  EXPECT_FALSE(run.module->Finished()) << "Escape ended the press, not the module";
  gui::LeftDown();
  gui::RightDown();
  gui::RightUp();
  EXPECT_FALSE(run.Lit(kDown));
  gui::LeftUp();
  run.module->WaitIdle();
  EXPECT_TRUE(wintest::MatchesSequence(
      run.engine.Messages(), {wintest::Posted(engine::kPreviousStation, 0, 0), wintest::Posted(engine::kNextStation, 0, 0)},
      wintest::Only({engine::kPreviousStation, engine::kNextStation})));
}

GUI_SCENARIO(StationList, RestingOnAnAreaScrollsUntilTheMouseLeaves) {
  UseSkin(12, true);
  StoreFiveLines();
  Run run;
  const std::vector<COLORREF> still = run.List();
  run.MoveToArea(kDown);
  EXPECT_TRUE(wintest::WaitUntil([&] { return run.List() != still; })) << "the lines move";
  run.MoveTo(kW - 5, kH - 5);
  EXPECT_TRUE(wintest::WaitUntil([&] { return !run.TickedDuringRest(); })) << "and stop";
  const std::vector<COLORREF> stopped = run.List();
  run.MoveToArea(kUp);
  EXPECT_TRUE(wintest::WaitUntil([&] { return run.List() != stopped; }));
  // Pressing an area with a pressed picture stops the scrolling.
  gui::LeftDown();
  EXPECT_TRUE(wintest::WaitUntil([&] { return !run.TickedDuringRest(); }));
  gui::LeftUp();
}

GUI_SCENARIO(StationList, LongEmptyOrUnusableListsNeitherCrashNorDivide) {
  std::vector<StationInfo> many;
  const std::string longName(255, 'n');
  for (uint32_t i = 0; i < 10'000; ++i)
    many.push_back(enginetest::Station(87'500'000 + 1000 * i, 1, i + 1, longName.c_str()));
  struct Row {
    const char* what;
    const std::vector<StationInfo>* stations;  // null: no list stored
    int pitch;
    bool lines;
  };
  const std::vector<StationInfo> three(many.begin(), many.begin() + 3);
  // The first run finds no list stored at all.
  for (const Row& r : {Row{"no list", nullptr, 12, false}, Row{"10 000 stations", &many, 12, true},
                       Row{"pitch 0", &many, 0, false}, Row{"pitch -12", &many, -12, false},
                       Row{"3 lines that fit", &three, 12, true}}) {
    SCOPED_TRACE(r.what);
    UseSkin(r.pitch);
    if (r.stations) enginetest::StoreStations(*r.stations);
    Run run(87'500'000);
    ASSERT_NE(run.window, nullptr);
    std::printf("%s: module up and idle in %lu ms\n", r.what, run.startMs);
    EXPECT_LT(run.startMs, 10'000u);
    EXPECT_EQ(run.ActiveRows().empty(), !r.lines);
    run.ClickList(5, 5);
    EXPECT_EQ(run.Tunes().size(), r.lines ? 1u : 0u);
    run.MoveToArea(kDown);
    const bool scrolls = r.lines && r.stations == &many;
    EXPECT_EQ(run.TickedDuringRest(), scrolls);
    run.MoveToArea(kUp);
    gui::LeftDown();
    gui::LeftUp();
    EXPECT_TRUE(run.engine.WaitFor(engine::kPreviousStation)) << "the areas step whatever the list";
    EXPECT_FALSE(run.module->Finished());
    ASSERT_TRUE(run.module->Close());
  }
}

}  // namespace
