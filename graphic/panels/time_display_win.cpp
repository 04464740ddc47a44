#include "graphic/panels/time_display_win.h"

#include "graphic/core/module_names.h"
#include "graphic/core/module_timers_win.h"
#include "graphic/panels/display_modes.h"
#include "graphic/panels/display_queries_win.h"
#include "host/engine_messages.h"
#include "host/kv_ini.h"
#include "host/settings.h"

namespace vrx {
namespace {

constexpr UINT kClockTimer = 40;
constexpr char kTimeModeKey[] = "TimeMode";
enum : uint32_t { kBothClocks = 0, kTimeOfDayOnly = 1, kShiftedOnly = 2 };

}  // namespace

TimeDisplay::TimeDisplay(const skin::SkinTimeRecord& r)
    : TextDisplay(kClickable), record_(r), mode_(kv::ReadDword(Names().section, kTimeModeKey, kBothClocks)) {
  Place(r.windowX, r.windowY, r.width, r.height);
  MakeFont(r.font, DRAFT_QUALITY);
  lastSecond_ = LocalSecondOfDay();
  Timers().Start(this, kClockTimer, kClockPollMs);
}

void TimeDisplay::Paint(HDC dc) {
  EngineWindowLink engine;
  const uint32_t now = LocalSecondOfDay();
  const uint32_t delay = engine.Send(engine::kGetTimeShift);
  const ClockCells& cells = Cells(dc);
  switch (mode_) {
    case kTimeOfDayOnly:
      DrawClock(dc, CentredClockStart(width, cells), now, record_.colorReal);
      break;
    case kShiftedOnly:
      DrawClock(dc, CentredClockStart(width, cells), ShiftedTime(now, delay), record_.colorShift);
      break;
    default: {
      const ClockPair at = ClockPairStarts(width, cells);
      DrawClock(dc, at.left, now, record_.colorReal);
      // Live sound: the second clock stands at 00:00:00 in grey.
      if (delay != 0)
        DrawClock(dc, at.right, ShiftedTime(now, delay), record_.colorShift);
      else
        DrawClock(dc, at.right, 0, record_.colorShiftGray);
    }
  }
}

bool TimeDisplay::Click() {
  mode_ = NextTimeMode(mode_);
  KvIniSetDword(Names().section, kTimeModeKey, mode_);
  Repaint();
  return true;
}

bool TimeDisplay::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  switch (message) {
    case WM_DESTROY:
      Timers().Stop(this, kClockTimer);
      break;
    case WM_TIMER:
      if (!Timers().Is(wParam, this, kClockTimer)) break;
      // Polled four times a second, painted once a second.
      if (const uint32_t now = LocalSecondOfDay(); now != lastSecond_) {
        lastSecond_ = now;
        Repaint();
      }
      return true;
    case engine::kNotifyTimeShift:
    case engine::kNotifyTimeShiftBuffer:
      Repaint();
      break;
    default:
      break;
  }
  return TextDisplay::HandleMessage(message, wParam, lParam, result);
}

}  // namespace vrx
