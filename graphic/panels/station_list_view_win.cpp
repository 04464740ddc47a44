#include "graphic/panels/station_list_view_win.h"

#include <mmsystem.h>

#include <algorithm>
#include <cstring>
#include <new>

#include "auxui/kv_aux.h"
#include "graphic/core/bitmap_control_win.h"
#include "graphic/core/control_table_win.h"
#include "graphic/core/engine_window_link_win.h"
#include "graphic/core/module_names.h"
#include "graphic/core/module_state_win.h"
#include "graphic/core/module_timers_win.h"
#include "graphic/core/skin_font_win.h"
#include "host/engine_messages.h"
#include "host/settings.h"

namespace vrx {
namespace {

constexpr UINT kScrollTimer = 10;
constexpr uint32_t kButtonStation = 1;  // station flag: it has a station button
constexpr UINT kTextFormat = DT_SINGLELINE | DT_NOPREFIX;

RECT RectOf(const skin::SkinListArea& a) { return {a.windowX, a.windowY, a.windowX + a.width, a.windowY + a.height}; }

std::optional<POINT> CornerIf(bool present, int32_t x, int32_t y) {
  if (!present) return std::nullopt;
  return POINT{x, y};
}

}  // namespace

StationListView::StationListView(const skin::SkinListRecord& r)
    : up_{RectOf(r.up), CornerIf(r.flags & skin::kListUpMask, r.up.maskX, r.up.maskY),
          CornerIf(r.flags & skin::kListUpAlt, r.up.altX, r.up.altY)},
      down_{RectOf(r.down), CornerIf(r.flags & skin::kListDownMask, r.down.maskX, r.down.maskY),
            CornerIf(r.flags & skin::kListDownAlt, r.down.altX, r.down.altY)},
      normal_{MakeSkinFont(r.font, DEFAULT_QUALITY), r.color},
      active_{MakeSkinFont(r.activeFont, DEFAULT_QUALITY), r.activeColor},
      speed_(ReadScrollSpeed(kv::StoreSettings{}, Names().section)) {
  x = r.listX, y = r.listY, width = r.listWidth, height = r.listHeight;
  layout_.width = width;
  layout_.height = height;
  layout_.dx = r.offsetCX;
  layout_.pitch = r.offsetCY;
  ReadLines();
  Measure();
  EngineWindowLink engine;
  if (engine.Exists()) SelectByFrequency(engine.Send(engine::kGetFrequency));
}

StationListView::~StationListView() { StopScrolling(); }

void StationListView::ReadLines() {
  uint32_t count = 0;
  const StationInfo* const stations = KvAuxStationList(&count);
  try {
    const StationInfo* const end = stations ? stations + count : stations;
    lines_.reserve(std::count_if(stations, end, [](const StationInfo& s) { return s.flags & kButtonStation; }));
    for (const StationInfo* s = stations; s != end; ++s) {
      if (!(s->flags & kButtonStation)) continue;
      Line line{};
      KvAuxFreq2Text(s->frequency, line.text);
      line.frequency = KvAuxText2Freq(line.text);
      lines_.push_back(line);
    }
  } catch (const std::bad_alloc&) {
    lines_ = {};  // no memory for the lines: the list shows none
  }
  KvAuxFreeBuffer(const_cast<StationInfo*>(stations));
  layout_.count = static_cast<uint32_t>(lines_.size());
}

// Every line's box is as wide as the widest line in either font.
void StationListView::Measure() {
  kv::MemoryDc dc(nullptr);
  if (!dc) return;
  for (const Look* look : {&normal_, &active_}) {
    kv::Selection font;
    if (look->font) font = kv::Selection(dc.get(), look->font.get());
    for (const Line& line : lines_) {
      RECT box{0, 0, width, height};
      DrawTextA(dc.get(), line.text, -1, &box, kTextFormat | DT_CALCRECT);
      layout_.textWidth = std::max<int32_t>(layout_.textWidth, box.right);
    }
  }
}

bool StationListView::OnArea(const Area& a, POINT client) const {
  const POINT p{client.x - a.rect.left, client.y - a.rect.top};
  return HitSkinImage(Module().skinDc(), p, a.rect.right - a.rect.left, a.rect.bottom - a.rect.top, a.mask);
}

StationListView::Hit StationListView::HitTest() const {
  const POINT p = Controls().ToControl(*this);
  const POINT client{p.x + x, p.y + y};
  if (OnArea(up_, client)) return {kUp};
  if (OnArea(down_, client)) return {kDown};
  if (const std::optional<uint32_t> line = HitLine(layout_, offset_, p.x, p.y)) return {kLine, *line};
  return {};
}

void StationListView::Act(const Hit& hit) {
  EngineWindowLink engine;
  switch (hit.code) {
    case kUp:
      engine.Post(engine::kPreviousStation);
      break;
    case kDown:
      engine.Post(engine::kNextStation);
      break;
    case kLine:
      engine.Post(engine::kTune, lines_[hit.line].frequency);
      break;
    case kNothing:
      break;
  }
}

void StationListView::SelectByFrequency(uint32_t frequency) {
  const auto it = std::find_if(lines_.begin(), lines_.end(), [frequency](const Line& l) { return l.frequency == frequency; });
  SelectIndex(it == lines_.end() ? -1 : it - lines_.begin());
}

void StationListView::SelectIndex(int64_t index) {
  StopScrolling();
  active_line_ = index >= 0 && index < static_cast<int64_t>(lines_.size()) ? index : -1;
  offset_ = CentreOffset(layout_, active_line_, offset_);
  Controls().Invalidate(*this);
}

void StationListView::StartScrolling() {
  if (scrolling_) return;
  const std::optional<uint32_t> period = ScrollPeriodMs(speed_);
  if (!period || !Timers().Start(this, kScrollTimer, *period)) return;
  scrolling_ = true;
  scroll_.Start(timeGetTime());
}

void StationListView::StopScrolling() {
  scrolling_ = false;
  Timers().Stop(this, kScrollTimer);
}

void StationListView::ScrollStep() {
  const Hit hit = HitTest();
  if (hit.code != kUp && hit.code != kDown) {
    StopScrolling();
    return;
  }
  const auto direction = hit.code == kDown ? ScrollDirection::kDown : ScrollDirection::kUp;
  if (const std::optional<int64_t> moved = scroll_.Step(layout_, speed_, direction, offset_, timeGetTime())) {
    offset_ = *moved;
    Controls().Redraw(*this);
  }
}

bool StationListView::Holding() const { return pressed_ != kNothing && Capture().Current() == this; }

void StationListView::Cancel() {
  if (pressed_ == kNothing) return;
  const Code was = pressed_;
  pressed_ = kNothing;
  if (Capture().Current() == this) Capture().Capture(this, false);
  DrawArea(was);
}

// Straight to the window, outside its paint cycle: the pressed picture while
// the press holds over the area, else the background under it.
void StationListView::DrawArea(Code code) {
  const Area& a = code == kUp ? up_ : down_;
  const HWND window = Controls().window();
  const HDC skin = Module().skinDc();
  if (!window || !skin) return;
  kv::WindowDc target(window);
  if (!target) return;
  const bool pressed = pressed_ == code && Holding() && HitTest().code == code && a.pressed;
  const POINT from = pressed ? *a.pressed : POINT{a.rect.left, a.rect.top};
  POINT old{};
  SetViewportOrgEx(target.dc(), a.rect.left, a.rect.top, &old);
  DrawSkinImage(target.dc(), skin, a.rect.right - a.rect.left, a.rect.bottom - a.rect.top, from.x, from.y, a.mask);
  SetViewportOrgEx(target.dc(), old.x, old.y, nullptr);
}

bool StationListView::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  switch (message) {
    case engine::kNotifyFrequency:
      SelectByFrequency(static_cast<uint32_t>(wParam));
      return false;
    case WM_LBUTTONDOWN: {
      const Hit hit = HitTest();
      if (hit.code == kNothing) return false;
      const Area* area = hit.code == kUp ? &up_ : hit.code == kDown ? &down_ : nullptr;
      if (area && area->pressed) {
        pressed_ = hit.code;
        StopScrolling();
        Capture().Capture(this, true);
        DrawArea(hit.code);
      } else {
        Act(hit);
      }
      return true;
    }
    case WM_MOUSEMOVE: {
      if (Holding()) {
        DrawArea(pressed_);
        return true;
      }
      const Code code = HitTest().code;
      if ((code != kUp && code != kDown) || !layout_.Scrolls()) return false;
      StartScrolling();
      return scrolling_;
    }
    case WM_LBUTTONUP: {
      if (!Holding()) return false;
      const Code was = pressed_, code = HitTest().code;
      Cancel();
      if (code == was) Act({was});
      return true;
    }
    case WM_CANCELMODE:
      Cancel();
      return false;
    case WM_CAPTURECHANGED:
      if (Capture().TakenAway(lParam)) Cancel();
      return false;
    case WM_KEYDOWN:
    case WM_RBUTTONDOWN:
      if (!Holding() || (message == WM_KEYDOWN && wParam != VK_ESCAPE)) return false;
      Cancel();
      return true;
    case WM_SETCURSOR: {
      if (!Holding() && HitTest().code == kNothing) return false;
      ShowHandCursor();
      *result = 1;
      return true;
    }
    case WM_TIMER:
      if (scrolling_ && Timers().Is(wParam, this, kScrollTimer)) ScrollStep();
      return false;
    case WM_DESTROY:
      StopScrolling();
      return false;
    default:
      return false;
  }
}

// Lines are drawn straight over the background the main window has painted,
// clipped to the list, so a line partly above or beside the window shows
// only its part inside.
void StationListView::Paint(HDC dc) {
  if (!layout_.Lays()) return;
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, 0, 0, width, height);
  RECT clip{};
  GetClipBox(dc, &clip);
  SetBkMode(dc, TRANSPARENT);
  LineWalk walk(layout_, offset_);
  // Lines below what is being painted are not drawn (a list may be far
  // taller than the window).
  for (LineBox box; walk.Next(box) && box.y < clip.bottom;) {
    const Look& look = box.line == active_line_ ? active_ : normal_;
    if (look.font) SelectObject(dc, look.font.get());
    SetTextColor(dc, look.colour);
    RECT r{static_cast<LONG>(box.x), static_cast<LONG>(box.y), static_cast<LONG>(box.x + layout_.textWidth),
           static_cast<LONG>(box.y + layout_.pitch)};
    DrawTextA(dc, lines_[box.line].text, -1, &r, kTextFormat | DT_CENTER | DT_NOCLIP);
  }
  RestoreDC(dc, saved);
}

}  // namespace vrx
