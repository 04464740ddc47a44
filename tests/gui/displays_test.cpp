// The information displays and the station display in real use against the
// recording engine window: frequencies typed on the keyboard, the record
// display's texts and clicks, the stereo indicator, a long name moving
// through the station display, and all of them without an engine.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "graphic/panels/display_text.h"
#include "graphic/panels/frequency_entry.h"
#include "host/engine_messages.h"
#include "host/kv_ini.h"
#include "host/settings.h"
#include "tests/gui/gui.h"

namespace {

constexpr char kSection[] = "Vrx";
constexpr char kClass[] = "QorvVarix";
constexpr int kW = 240, kH = 60;
constexpr COLORREF kBackground = RGB(20, 20, 20), kMono = RGB(0, 0, 255), kStereo = RGB(255, 255, 0);
constexpr COLORREF kFree = RGB(0, 255, 0), kRec = RGB(255, 0, 0);
constexpr RECT kStation{10, 5, 110, 25}, kRecord{10, 32, 110, 52}, kIndicator{150, 32, 170, 52};
constexpr uint32_t kFrequency = 101700000;
constexpr uint32_t kSnap = 0x02, kNoTooltips = 0x40;
constexpr DWORD kClockSlackMs = 50;  // a timer and the tick count need not agree to the millisecond

std::string Box(const char* section, const RECT& r) {
  return std::string("[") + section + "]\nWindowX=" + std::to_string(r.left) + "\nWindowY=" + std::to_string(r.top) +
         "\nControlWidth=" + std::to_string(r.right - r.left) + "\nControlHeight=" + std::to_string(r.bottom - r.top) +
         "\n";
}

// The station and record displays in a bold font, and the indicator's
// mono and stereo pictures below the background.
void UseSkin() {
  const std::string d = "[General]\nWidth=" + std::to_string(kW) + "\nHeight=" + std::to_string(kH) + "\n" +
                        Box("InfoStation", kStation) + "FontSize=14\nFontWeight=700\nFontColor=#FFFFFF\n" +
                        Box("InfoRecord", kRecord) +
                        "FontSize=14\nFontWeight=700\nFontColor=#00FF00\nFontColorRec=#FF0000\n" +
                        Box("IndicatorStereo", kIndicator) +
                        "ControlX=0\nControlY=60\nControlAltX=20\nControlAltY=60\n";
  const std::string bitmap = gui::WriteSkin("displays", kW, kH + 20, [](int x, int y) {
    if (y < kH) return kBackground;
    return x < 20 ? kMono : kStereo;
  }, d);
  ASSERT_FALSE(bitmap.empty());
  KvIniSetString(kSection, "Skin", bitmap.c_str());
}

struct Run {
  gui::EngineWindow engine;
  std::unique_ptr<wintest::ModuleThread> module;
  HWND window = nullptr;

  void Start() {
    module = std::make_unique<wintest::ModuleThread>("Vrx.dll");
    window = module->WaitWindow(kClass);
    ASSERT_NE(window, nullptr);
    // Keys go to the focused window; a click on the background gives it.
    ClickAt(kW - 5, kH - 5);
    wintest::WaitUntil([&] { return GetForegroundWindow() == window; });
    module->WaitIdle();
  }
  // A single click: the double-click time is let pass first.
  void ClickAt(int x, int y) {
    module->WaitRest(GetDoubleClickTime() + 50);
    const POINT p = gui::ScreenPoint(window, x, y);
    gui::LeftClick(p.x, p.y);
    module->WaitIdle();
  }
  void Type(std::initializer_list<WORD> keys) {
    for (WORD k : keys) gui::Press(k);
    module->WaitIdle();
  }
  void Notify(UINT message, WPARAM wParam = 0) {
    PostMessageA(window, message, wParam, 0);
    module->WaitIdle();
  }
  bool Shows(const RECT& r, COLORREF colour) const {
    module->WaitIdle();
    const gui::Pixels px = gui::CaptureClient(window);
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        if (px.at(x, y) == colour) return true;
    return false;
  }
  std::vector<COLORREF> Picture(const RECT& r) const {
    module->WaitIdle();
    const gui::Pixels px = gui::CaptureClient(window);
    std::vector<COLORREF> picture;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) picture.push_back(px.at(x, y));
    return picture;
  }
  std::vector<WPARAM> Tuned() const {
    std::vector<WPARAM> hz;
    for (const auto& m : engine.Messages(engine::kTune)) hz.push_back(m.wParam);
    return hz;
  }
};

GUI_SCENARIO(Displays, TypedFrequenciesTuneAfterThePauseOrAtTheLastDigit) {
  UseSkin();
  Run run;
  run.engine.Answer(engine::kGetFrequency, kFrequency);
  run.Start();
  run.engine.Clear();
  const std::vector<COLORREF> playing = run.Picture(kStation);
  // Read before the first key, so no later than the pause begins: a busy
  // machine only makes the tune seen later.
  const DWORD typed = GetTickCount();
  run.Type({'9', '5', '5'});
  EXPECT_NE(run.Picture(kStation), playing) << "the typed digits show";
  ASSERT_TRUE(run.engine.WaitFor(engine::kTune, 1, 8000));
  EXPECT_GE(GetTickCount() - typed, vrx::kEntryTimeoutMs - kClockSlackMs) << "tuned before the pause";
  EXPECT_EQ(run.Tuned(), (std::vector<WPARAM>{95500000}));
  // The digits give way to what plays until the engine reports the new
  // station (this engine never does).
  EXPECT_EQ(run.Picture(kStation), playing);
  // Five digits from 100 MHz tune at the fifth, without the pause.
  run.Type({'1', '0', '1', '5', '5'});
  EXPECT_EQ(run.Tuned(), (std::vector<WPARAM>{95500000, 101550000}));
  // A letter ends the entry and is taken by it: M does not mute.
  run.Type({'8', 'M'});
  run.module->WaitRest(3500);
  EXPECT_EQ(run.Tuned().size(), 2u);
  EXPECT_TRUE(run.engine.Messages(engine::SetMute(engine::Line::SoundLines)).empty());
  // Keys the entry leaves reach the key handling.
  run.Type({'M', VK_RIGHT});
  ASSERT_TRUE(run.engine.WaitFor(engine::kNextStation));
  EXPECT_EQ(run.engine.Messages(engine::SetMute(engine::Line::SoundLines)).size(), 1u);
}

GUI_SCENARIO(Displays, RecordDisplayAndStereoIndicatorFollowTheEngine) {
  UseSkin();
  Run run;
  run.engine.RecordPath(gui::Install() + "Records\\x.wav");
  run.engine.Answer(engine::kGetStereo, 1);
  run.Start();
  // Not recording: the free space, asked by the recording path.
  EXPECT_FALSE(run.engine.Messages(engine::kGetRecordPath).empty());
  EXPECT_TRUE(run.Shows(kRecord, kFree));
  EXPECT_TRUE(run.Shows(kIndicator, kStereo));
  run.ClickAt(kRecord.left + 5, kRecord.top + 5);
  EXPECT_FALSE(kv::ReadDword(kSection, "RecMode")) << "no mode change while not recording";

  run.engine.Answer(engine::kGetRecording, 1);
  run.engine.Answer(engine::kGetRecordDuration, 3661);
  run.engine.Clear();
  run.Notify(engine::kNotifyRecording, 1);
  EXPECT_FALSE(run.engine.Messages(engine::kGetRecordDuration).empty());
  EXPECT_TRUE(run.Shows(kRecord, kRec));
  EXPECT_FALSE(run.Shows(kRecord, kFree));
  for (uint32_t mode : {1u, 2u, 0u}) {
    run.ClickAt(kRecord.left + 5, kRecord.top + 5);
    EXPECT_EQ(kv::ReadDword(kSection, "RecMode"), mode);
  }

  run.Notify(engine::kNotifyStereo, 0);
  EXPECT_TRUE(run.Shows(kIndicator, kMono));
  run.Notify(engine::kNotifyStereo, 1);
  EXPECT_TRUE(run.Shows(kIndicator, kStereo));
}

// The marquee, seen between two points of the module's own thread: the
// picture has moved left by exactly as many pixels as its timer has ticked,
// and the timer ticks about every 50 ms.
struct Frame {
  HWND window;
  const wintest::ModuleThread* module;
  gui::Pixels pixels;
  long ticks;
  DWORD atMs;
};

void Take(void* arg) {
  auto* f = static_cast<Frame*>(arg);
  f->pixels = gui::CaptureClient(f->window);
  f->ticks = f->module->TimerMessages();
  f->atMs = GetTickCount();
}

// How far `after` lies left of `before` inside the display; -1 when no
// shift fits.
int ShiftOf(const gui::Pixels& before, const gui::Pixels& after, const RECT& r) {
  const int w = r.right - r.left;
  for (int s = 0; s < w / 2; ++s) {
    bool fits = true;
    for (int y = r.top; y < r.bottom && fits; ++y)
      for (int x = r.left; x + s < r.right && fits; ++x) fits = after.at(x, y) == before.at(x + s, y);
    if (fits) return s;
  }
  return -1;
}

GUI_SCENARIO(Displays, ANameWiderThanTheDisplayMovesOnePixelPerTick) {
  UseSkin();
  // No tooltip or auto-hide timer ticks beside the marquee's.
  KvIniSetDword(kSection, "Flags", kSnap | kNoTooltips);
  Run run;
  // The longest name a station record holds, of glyphs of unlike widths: a
  // marquee that draws only the characters that show must place each of
  // them where the whole text would.
  std::string name;
  while (name.size() < 255) name += "Wide iIlj mW 101.7 - ";
  name.resize(255);
  run.engine.Answer(engine::kGetFrequency, kFrequency);
  run.engine.Station(kFrequency, name.c_str());
  run.Start();
  run.module->WaitRest(GetDoubleClickTime() + 50);
  Frame before{run.window, run.module.get(), {}, 0, 0}, after = before;
  ASSERT_TRUE(run.module->OnThread(Take, &before));
  constexpr DWORD kRestMs = 600;
  ASSERT_TRUE(run.module->WaitRest(kRestMs));
  // A module thread held back by a busy machine ticks fewer times than the
  // rest allows: wait on until the marquee has moved a few times.
  constexpr long kTicks = 3;
  ASSERT_TRUE(wintest::WaitUntil([&] { return run.module->TimerMessages() - before.ticks >= kTicks; }));
  ASSERT_TRUE(run.module->OnThread(Take, &after));
  const long ticks = after.ticks - before.ticks;
  EXPECT_EQ(ShiftOf(before.pixels, after.pixels, kStation), ticks);
  // The rest lasts longer on a busy machine: the bound is the time it took.
  const DWORD tookMs = after.atMs - before.atMs;
  EXPECT_LE(ticks, static_cast<long>(tookMs / vrx::kMarqueePeriodMs + 4)) << tookMs << " ms";
}

GUI_SCENARIO(Displays, WithoutAnEngineNothingIsPostedAndNothingBreaks) {
  UseSkin();
  wintest::ModuleThread module("Vrx.dll");
  const HWND window = module.WaitWindow(kClass);
  ASSERT_NE(window, nullptr);
  module.WaitRest(GetDoubleClickTime() + 50);
  for (const RECT& r : {kStation, kRecord, kIndicator}) {
    const POINT p = gui::ScreenPoint(window, r.left + 5, r.top + 5);
    gui::LeftClick(p.x, p.y);
    module.WaitRest(GetDoubleClickTime() + 50);
  }
  for (WORD k : std::initializer_list<WORD>{'9', '5', '5', VK_RETURN}) gui::Press(k);
  module.WaitIdle();
  EXPECT_FALSE(module.Finished());
  EXPECT_EQ(module.MessageBoxNow(), nullptr);
  EXPECT_EQ(kv::ReadDword(kSection, "NameMode"), 1u);
  EXPECT_FALSE(kv::ReadDword(kSection, "RecMode"));
}

}  // namespace
