#include "graphic/panels/station_display_win.h"

#include "auxui/kv_aux.h"
#include "graphic/core/keyboard_win.h"
#include "graphic/core/module_names.h"
#include "graphic/core/module_timers_win.h"
#include "graphic/panels/display_queries_win.h"
#include "host/engine_messages.h"
#include "host/kv_ini.h"
#include "host/settings.h"

namespace vrx {
namespace {

constexpr UINT kEntryTimer = 30;
constexpr UINT kRefreshTimer = 31;
constexpr char kNameModeKey[] = "NameMode";
constexpr char kRecModeKey[] = "RecMode";
constexpr char kRepeatSeparator[] = " - ";
constexpr size_t kFrequencyTextSize = 16;  // "4294.967295" at most
constexpr LPARAM kExtendedKey = 1 << 24;

uint32_t StoredMode(const char* key, bool visible) {
  return visible ? kv::ReadDword(Names().section, key, 0) : 0;
}

}  // namespace

StationDisplay::StationDisplay(const skin::SkinInfoRecord& r, StationSections sections)
    : TextDisplay(kScrolls | kClickable),
      record_(r),
      sections_(sections),
      modes_(sections, StoredMode(kNameModeKey, r.width > 0 && r.height > 0),
             StoredMode(kRecModeKey, r.width > 0 && r.height > 0)) {
  Place(r.windowX, r.windowY, r.width, r.height);
  if (!visible()) return;
  MakeFont(r.font, DEFAULT_QUALITY);
  SetColour(r.color);
  EngineWindowLink engine;
  if (record_.moreInfo && !sections_.recordSection) recording_ = Recording(engine);
  lastSecond_ = LocalSecondOfDay();
  StartRefreshTimer();
  Refresh();
}

skin::Color StationDisplay::ColourOf(DisplayColour c) const {
  switch (c) {
    case DisplayColour::kRec: return record_.colorRec;
    case DisplayColour::kReal: return record_.colorReal;
    case DisplayColour::kShift: return record_.colorShift;
    case DisplayColour::kFree: return record_.colorFree;
    default: return record_.color;
  }
}

void StationDisplay::StartRefreshTimer() {
  if (!record_.moreInfo) return;
  Timers().Stop(this, kRefreshTimer);
  if (const uint32_t period = modes_.RefreshPeriodMs(recording_)) Timers().Start(this, kRefreshTimer, period);
}

void StationDisplay::Refresh() {
  if (!visible()) return;
  if (entry_.active()) {
    SetColour(record_.color);
    SetText(entry_.Shown());
    return;
  }
  if (modes_.Clock(recording_) != ClockKind::kNone) {
    // A clock is painted from the time, not from the text: dropping the text
    // also stops a marquee that would otherwise repaint under the clock.
    SetText({});
    return;
  }
  const StationContent content = modes_.Content(recording_);
  SetColour(ColourOf(content.colour));
  EngineWindowLink engine;
  switch (content.show) {
    case StationShow::kFreeSpace:
      SetText(FreeSpaceText(engine));
      break;
    case StationShow::kFileSize:
      SetText(RecordedSizeText(engine));
      break;
    case StationShow::kEmpty:
      SetText({});
      break;
    default:
      ShowStation(content.show);
  }
}

void StationDisplay::ShowStation(StationShow form) {
  EngineWindowLink engine;
  StationInfo station{};
  station.frequency = engine.Send(engine::kGetFrequency);
  // An engine that fills nothing leaves the name empty: the frequency shows.
  engine.AskStation(engine::kStationByFrequency, station);
  char frequency[kFrequencyTextSize] = {};
  KvAuxFreq2Text(station.frequency, frequency);
  const std::string text = StationFormText(frequency, station.name, form);
  SetText(text);
  // The marquee repeats a long text with the separator between repeats.
  if (textWidth() > width) SetText(text + kRepeatSeparator);
}

void StationDisplay::Paint(HDC dc) {
  const ClockKind clock = record_.moreInfo && !entry_.active() ? modes_.Clock(recording_) : ClockKind::kNone;
  if (clock == ClockKind::kNone) {
    DrawText(dc);
    return;
  }
  EngineWindowLink engine;
  const int at = CentredClockStart(width, Cells(dc));
  switch (clock) {
    case ClockKind::kElapsed:
      DrawClock(dc, at, engine.Send(engine::kGetRecordDuration), record_.colorRec);
      break;
    case ClockKind::kTimeOfDay:
      DrawClock(dc, at, LocalSecondOfDay(), record_.colorReal);
      break;
    default:
      DrawClock(dc, at, ShiftedTime(LocalSecondOfDay(), engine.Send(engine::kGetTimeShift)), record_.colorShift);
  }
}

bool StationDisplay::Click() {
  const bool recMode = modes_.Click(recording_);
  if (recMode)
    KvIniSetDword(Names().section, kRecModeKey, modes_.recMode());
  else
    KvIniSetDword(Names().section, kNameModeKey, modes_.nameMode());
  StartRefreshTimer();
  Refresh();
  return true;
}

void StationDisplay::Apply(const EntryActions& a) {
  if (a.stopTimer) Timers().Stop(this, kEntryTimer);
  if (a.restartTimer) Timers().Start(this, kEntryTimer, kEntryTimeoutMs);
  if (a.tune) EngineWindowLink{}.Post(engine::kTune, *a.tune);
  if (a.refresh) Refresh();
}

bool StationDisplay::Key(UINT message, WPARAM wParam, LPARAM lParam) {
  const EntryActions a =
      entry_.Key(TranslateEntryKey(static_cast<uint32_t>(wParam), (lParam & kExtendedKey) != 0));
  if (!a.consumed) return ForwardKeyOrWheel(message, wParam, lParam);
  Apply(a);
  return true;
}

bool StationDisplay::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  switch (message) {
    case WM_MOUSEWHEEL:
      ForwardKeyOrWheel(message, wParam, lParam);
      return true;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      return Key(message, wParam, lParam);
    case WM_DESTROY:
      Timers().Stop(this, kEntryTimer);
      Timers().Stop(this, kRefreshTimer);
      break;
    case WM_TIMER:
      if (Timers().Is(wParam, this, kEntryTimer)) {
        // The typed digits give way to what is playing now, as after Enter;
        // the new station shows when the engine reports it. Keeping the
        // digits until then would leave them on screen for good when the
        // engine refuses the frequency or there is no engine.
        EntryActions a = entry_.Timeout();
        a.refresh = true;
        Apply(a);
        return false;
      }
      if (record_.moreInfo && Timers().Is(wParam, this, kRefreshTimer)) {
        const ClockKind clock = modes_.Clock(recording_);
        if (clock == ClockKind::kNone) {
          Refresh();
        } else if (clock == ClockKind::kElapsed) {
          Repaint();
        } else if (const uint32_t now = LocalSecondOfDay(); now != lastSecond_) {
          lastSecond_ = now;
          Repaint();
        }
        return false;
      }
      break;
    case engine::kNotifyFrequency:
      Refresh();
      break;
    case engine::kNotifyRecording:
      if (record_.moreInfo && !sections_.recordSection && visible()) {
        EngineWindowLink engine;
        recording_ = Recording(engine);
        StartRefreshTimer();
        Refresh();
      }
      break;
    case engine::kNotifyTimeShift:
    case engine::kNotifyTimeShiftBuffer: {
      const ClockKind clock = modes_.Clock(recording_);
      if (record_.moreInfo && !sections_.timeSection && (clock == ClockKind::kTimeOfDay || clock == ClockKind::kShifted))
        Repaint();
      break;
    }
    default:
      break;
  }
  return TextDisplay::HandleMessage(message, wParam, lParam, result);
}

}  // namespace vrx
