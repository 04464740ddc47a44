// The volume and time-shift sliders in real use against the recording
// engine window: what a drag posts and when, Escape, engine notices, the
// time-shift tooltip, and the sliders without an engine.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "graphic/panels/display_text.h"
#include "graphic/panels/slider_geometry.h"
#include "host/engine_messages.h"
#include "host/kv_ini.h"
#include "tests/gui/gui.h"

namespace {

constexpr char kClass[] = "QorvVarix";
constexpr int kW = 260, kH = 110, kThumb = 10;
constexpr COLORREF kBack = RGB(40, 40, 40), kThumbColour = RGB(230, 200, 0);

// The main volume runs 70 rows up from row 90 (positions 9 ... 69); the FM
// volume beside it; the time shift 180 columns left from column 240
// (positions 9 ... 179), one second a pixel with a buffer of 170 s.
constexpr int kVolumeX = 20, kFmX = 40, kVolumeY = 90, kVolumePath = 70;
constexpr int kShiftX = 240, kShiftY = 20, kShiftPath = 180;
constexpr uint32_t kShiftLength = kShiftPath - kThumb;

std::string Section(const char* name, int x, int y, int pw, int ph) {
  return std::string("[") + name + "]\nWindowX=" + std::to_string(x) + "\nWindowY=" + std::to_string(y) +
         "\nWindowPathWidth=" + std::to_string(pw) + "\nWindowPathHeight=" + std::to_string(ph) +
         "\nControlX=0\nControlY=" + std::to_string(kH) + "\nControlWidth=10\nControlHeight=10\n";
}

void UseSkin() {
  const std::string d = "[General]\nWidth=" + std::to_string(kW) + "\nHeight=" + std::to_string(kH) + "\n" +
                        Section("SldVolume", kVolumeX, kVolumeY, kThumb, -kVolumePath) +
                        Section("SldVolumeFM", kFmX, kVolumeY, kThumb, -kVolumePath) +
                        Section("SldTimeShift", kShiftX, kShiftY, -kShiftPath, kThumb);
  const std::string bitmap =
      gui::WriteSkin("sliders", kW, kH + kThumb, [](int, int y) { return y < kH ? kBack : kThumbColour; }, d);
  ASSERT_FALSE(bitmap.empty());
  KvIniSetString("Vrx", "Skin", bitmap.c_str());
}

// Thumb rows of a volume slider for a volume, as the module places them.
int VolumeTop(uint32_t volume) { return kVolumeY - kThumb + 1 - (kVolumePath - kThumb) * int(volume) / 100; }
int ShiftLeft(uint32_t delay) { return kShiftX - kThumb + 1 - int(delay); }

const UINT kSet = engine::SetVolume(engine::Line::SoundLines);
const UINT kGet = engine::GetVolume(engine::Line::SoundLines);
const UINT kNotice = engine::NotifyVolume(engine::Line::SoundLines);
uint32_t Both(uint32_t v) { return v + v * 65536; }

struct Bare {
  std::unique_ptr<wintest::ModuleThread> module;
  HWND window = nullptr;

  void Start() {
    module = std::make_unique<wintest::ModuleThread>("Vrx.dll");
    window = module->WaitWindow(kClass);
    ASSERT_NE(window, nullptr);
    module->WaitIdle();
  }
  POINT At(int x, int y) const { return gui::ScreenPoint(window, x, y); }
  void MoveTo(int x, int y) {
    const POINT s = At(x, y);
    gui::MouseTo(s.x, s.y);
    module->WaitIdle();
  }
  bool ThumbAt(int x, int y) const {
    module->WaitIdle();
    const gui::Pixels px = gui::CaptureClient(window);
    return px.at(x, y) == kThumbColour && px.at(x + kThumb - 1, y + kThumb - 1) == kThumbColour &&
           (y == 0 || px.at(x, y - 1) != kThumbColour);
  }
  // A press after the last one, never read as a double click.
  void Rest() { module->WaitRest(GetDoubleClickTime() + 50); }
};
struct WithEngine {
  gui::EngineWindow engine;
};
struct Run : WithEngine, Bare {};

GUI_SCENARIO(Sliders, AVolumeDragPostsEveryStepAndTheRelease) {
  UseSkin();
  Run run;
  run.engine.Answer(kGet, 30 + 50 * 65536);  // the larger half counts
  run.Start();
  ASSERT_TRUE(run.ThumbAt(kVolumeX, VolumeTop(50)));
  // Grabbed 3 rows into the thumb: the grip is kept, so the press itself
  // posts the same volume.
  const int grip = VolumeTop(50) + 3;
  gui::Drag(run.At(kVolumeX + 5, grip), run.At(kVolumeX + 5, grip - 60), 6);
  run.module->WaitIdle();
  const auto posted = run.engine.Messages(kSet);
  ASSERT_GE(posted.size(), 3u) << "the press, the moves and the release";
  EXPECT_EQ(posted.front().wParam, Both(50));
  EXPECT_EQ(posted.back().wParam, Both(100));
  EXPECT_EQ(posted[posted.size() - 2].wParam, Both(100)) << "the release posts again";
  for (size_t i = 1; i < posted.size(); ++i) {
    EXPECT_FALSE(posted[i].sent);
    EXPECT_GE(posted[i].wParam & 0xFFFF, posted[i - 1].wParam & 0xFFFF);
  }
  EXPECT_TRUE(run.ThumbAt(kVolumeX, VolumeTop(100)));
}

GUI_SCENARIO(Sliders, EscapeRestoresTheNewestOutsideVolumeAndSendsIt) {
  UseSkin();
  Run run;
  run.engine.Answer(kGet, Both(40));
  run.Start();
  // A press off the thumb centres it under the mouse.
  run.MoveTo(kVolumeX + 5, 30);
  gui::LeftDown();
  EXPECT_TRUE(run.ThumbAt(kVolumeX, 25));
  // A notice while dragging moves nothing, but is what a cancel returns to.
  PostMessageA(run.window, kNotice, 20 + 60 * 65536, 0);
  EXPECT_TRUE(run.ThumbAt(kVolumeX, 25));
  run.engine.Clear();
  gui::Press(VK_ESCAPE);
  EXPECT_TRUE(run.ThumbAt(kVolumeX, VolumeTop(60)));
  gui::LeftUp();
  run.module->WaitIdle();
  EXPECT_FALSE(run.module->Finished()) << "Escape ends the drag, not the module";
  EXPECT_TRUE(wintest::MatchesSequence(run.engine.Messages(), {wintest::Posted(kSet, Both(60), 0)},
                                       wintest::Only({kSet})));
  // The right button cancels as well.
  run.Rest();
  run.MoveTo(kVolumeX + 5, 30);
  gui::LeftDown();
  gui::RightDown();
  gui::RightUp();
  EXPECT_TRUE(run.ThumbAt(kVolumeX, VolumeTop(60)));
  gui::LeftUp();
}

GUI_SCENARIO(Sliders, NoticesMoveTheThumbs) {
  UseSkin();
  Run run;
  run.Start();
  struct Row {
    UINT notice;
    WPARAM word;
    int x;
    uint32_t volume;
  } rows[] = {
      {kNotice, 30 + 70 * 65536, kVolumeX, 70},
      {kNotice, 90 + 10 * 65536, kVolumeX, 90},
      {kNotice, 500, kVolumeX, 100},  // above the range: the end of the path
      {engine::kNotifyFmVolume, 25, kFmX, 25},
      {engine::kNotifyFmVolume, 45 * 65536, kFmX, 45},  // the larger half here too
  };
  for (const Row& row : rows) {
    PostMessageA(run.window, row.notice, row.word, 0);
    EXPECT_TRUE(run.ThumbAt(row.x, VolumeTop(row.volume))) << std::hex << row.notice << " " << row.word;
  }
  EXPECT_TRUE(run.engine.Messages(kSet).empty());
}

GUI_SCENARIO(Sliders, ATimeShiftDragSendsTheDelayAtItsEndWithTheTimeInItsTip) {
  UseSkin();
  Run run;
  run.engine.Answer(engine::kGetTimeShiftMax, kShiftLength);
  run.engine.Answer(engine::kGetTimeShift, 20);
  run.Start();
  ASSERT_TRUE(run.ThumbAt(ShiftLeft(20), kShiftY));
  // The engine's time shift changes: the thumb follows the engine's delay.
  run.engine.Answer(engine::kGetTimeShift, 0);
  PostMessageA(run.window, engine::kNotifyTimeShift, 0, 0);
  ASSERT_TRUE(run.ThumbAt(ShiftLeft(0), kShiftY));

  run.MoveTo(ShiftLeft(0) + 5, kShiftY + 5);
  gui::LeftDown();
  run.MoveTo(ShiftLeft(0) + 5 - 60, kShiftY + 5);
  run.MoveTo(ShiftLeft(0) + 5 - 100, kShiftY + 5);
  EXPECT_TRUE(run.engine.Messages(engine::kSetTimeShift).empty()) << "nothing before the drag ends";
  const HWND tip = wintest::ThreadWindow(run.module->threadId(), "tooltips_class32", false);
  ASSERT_TRUE(wintest::WaitUntil([&] { return IsWindowVisible(tip) != FALSE; })) << "shown from the press on";
  // The time of day 100 s ago, read between two clock readings.
  const auto expected = [] {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    const uint32_t now = t.wHour * 3600u + t.wMinute * 60u + t.wSecond;
    return vrx::ClockText(vrx::ShiftedTime(now, 100));
  };
  const std::string before = expected();
  char text[32] = {};
  GetWindowTextA(tip, text, sizeof text);
  const std::string after = expected();
  EXPECT_TRUE(text == before || text == after) << text << " not " << before;
  gui::LeftUp();
  run.module->WaitIdle();
  EXPECT_TRUE(run.ThumbAt(ShiftLeft(100), kShiftY));

  // A cancelled drag sends nothing.
  run.Rest();
  run.MoveTo(ShiftLeft(100) + 5, kShiftY + 5);
  gui::LeftDown();
  run.MoveTo(ShiftLeft(100) + 5 - 30, kShiftY + 5);
  gui::Press(VK_ESCAPE);
  gui::LeftUp();
  run.module->WaitIdle();
  EXPECT_TRUE(run.ThumbAt(ShiftLeft(100), kShiftY));
  EXPECT_TRUE(wintest::MatchesSequence(run.engine.Messages(), {wintest::Posted(engine::kSetTimeShift, 100, 0)},
                                       wintest::Only({engine::kSetTimeShift})));
}

GUI_SCENARIO(Sliders, WithoutAnEngineTheyStartAtZeroAndStillMove) {
  UseSkin();
  Bare run;
  run.Start();
  EXPECT_TRUE(run.ThumbAt(kVolumeX, VolumeTop(0)));
  EXPECT_TRUE(run.ThumbAt(ShiftLeft(0), kShiftY));
  gui::Drag(run.At(kVolumeX + 5, VolumeTop(0) + 5), run.At(kVolumeX + 5, VolumeTop(0) + 5 - 30), 3);
  EXPECT_TRUE(run.ThumbAt(kVolumeX, VolumeTop(0) - 30));
  EXPECT_FALSE(run.module->Finished());
}

}  // namespace
