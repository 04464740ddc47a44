#include "graphic/panels/record_display_win.h"

#include "graphic/core/module_names.h"
#include "graphic/core/module_timers_win.h"
#include "graphic/panels/display_modes.h"
#include "graphic/panels/display_queries_win.h"
#include "host/engine_messages.h"
#include "host/kv_ini.h"
#include "host/settings.h"

namespace vrx {
namespace {
constexpr UINT kRefreshTimer = 50;
constexpr char kRecModeKey[] = "RecMode";
}  // namespace

RecordDisplay::RecordDisplay(const skin::SkinRecordingRecord& r)
    : TextDisplay(kClickable | kLeftAligned), record_(r), mode_(kv::ReadDword(Names().section, kRecModeKey, 0)) {
  Place(r.windowX, r.windowY, r.width, r.height);
  MakeFont(r.font, DRAFT_QUALITY);
  Refresh();
}

void RecordDisplay::Refresh() {
  EngineWindowLink engine;
  recording_ = Recording(engine);
  SetColour(recording_ ? record_.colorRec : record_.color);
  Timers().Start(this, kRefreshTimer, RecordRefreshMs(mode_, recording_));
  switch (RecordContent(mode_, recording_)) {
    case RecordShow::kElapsed:
      SetText(ElapsedText(engine));
      break;
    case RecordShow::kFileSize:
      SetText(RecordedSizeText(engine));
      break;
    case RecordShow::kFreeSpace:
      SetText(FreeSpaceText(engine));
      break;
  }
}

bool RecordDisplay::Click() {
  EngineWindowLink engine;
  if (!Recording(engine)) return false;
  mode_ = NextRecordMode(mode_);
  KvIniSetDword(Names().section, kRecModeKey, mode_);
  Refresh();
  return true;
}

bool RecordDisplay::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  switch (message) {
    case WM_DESTROY:
      Timers().Stop(this, kRefreshTimer);
      break;
    case WM_SETCURSOR:
      if (!recording_) return false;  // no hand while a click would do nothing
      break;
    case WM_TIMER:
      if (Timers().Is(wParam, this, kRefreshTimer)) Refresh();
      break;
    case engine::kNotifyRecording:
      Refresh();
      break;
    default:
      break;
  }
  return TextDisplay::HandleMessage(message, wParam, lParam, result);
}

}  // namespace vrx
