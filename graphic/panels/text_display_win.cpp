#include "graphic/panels/text_display_win.h"

#include <cstring>
#include <new>

#include "graphic/core/bitmap_control_win.h"
#include "graphic/core/control_table_win.h"
#include "graphic/core/skin_font_win.h"
#include "graphic/core/module_timers_win.h"

namespace vrx {
namespace {

constexpr UINT kMarqueeTimer = 20;
constexpr UINT kTextFormat = DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP | DT_TOP;
constexpr char kClockCharacters[] = ":0123456789";

SIZE Extent(HDC dc, const char* text, size_t length) {
  SIZE size{};
  GetTextExtentPoint32A(dc, text, static_cast<int>(length), &size);
  return size;
}

}  // namespace

TextPen::TextPen(HDC dc, HFONT font, skin::Color colour)
    : dc_(dc), font_(font ? kv::Selection(dc, font) : kv::Selection{}),
      oldColour_(SetTextColor(dc, colour)), oldMode_(SetBkMode(dc, TRANSPARENT)) {}

TextPen::~TextPen() {
  SetBkMode(dc_, oldMode_);
  SetTextColor(dc_, oldColour_);
}

void TextDisplay::Place(int32_t left, int32_t top, int32_t w, int32_t h) {
  x = left, y = top, width = w, height = h;
}

void TextDisplay::MakeFont(const skin::Font& f, BYTE quality) {
  font_ = MakeSkinFont(f, quality);
}

void TextDisplay::SetText(const std::string& s) {
  text_ = s;
  marquee_.scroll = 0;
  marquee_.textWidth = 0;
  ends_.clear();
  Timers().Stop(this, kMarqueeTimer);
  if (!text_.empty()) {
    kv::WindowDc screen(nullptr);
    if (screen) {
      const TextPen pen(screen.dc(), font_.get(), colour_);
      try {
        ends_.resize(text_.size());
        SIZE size{};
        GetTextExtentExPointA(screen.dc(), text_.data(), static_cast<int>(text_.size()), 0, nullptr, ends_.data(),
                              &size);
        marquee_.textWidth = size.cx;
      } catch (const std::bad_alloc&) {
        ends_.clear();  // no room for the widths: the text is drawn whole
        marquee_.textWidth = Extent(screen.dc(), text_.data(), text_.size()).cx;
      }
    }
  }
  Repaint();
  // An invisible display (width 0) has nothing to move.
  if (width > 0 && marquee_.textWidth > width) Timers().Start(this, kMarqueeTimer, kMarqueePeriodMs);
}

void TextDisplay::Repaint() { Controls().Invalidate(*this); }

void TextDisplay::DrawText(HDC dc) const {
  if (text_.empty() || width <= 0) return;
  const TextPen pen(dc, font_.get(), colour_);
  const int length = static_cast<int>(text_.size());
  if ((flags_ & kScrolls) && marquee_.textWidth > width) {
    // The text and its repeat, moved left by the scroll and cut at the
    // display's edges: the main window composes off screen, so no strip
    // bitmap is needed to keep the move from flickering. Only the
    // characters that reach into the display are drawn.
    const RECT own{0, 0, width, height};
    const int repeat = marquee_.textWidth + marquee_.gap;
    for (const int origin : {-marquee_.scroll, repeat - marquee_.scroll}) {
      const TextRun run = ends_.empty() ? TextRun{0, text_.size(), origin} : VisibleRun(ends_, origin, width);
      if (run.count)
        ExtTextOutA(dc, run.x, 0, ETO_CLIPPED, &own, text_.data() + run.first, static_cast<UINT>(run.count), nullptr);
    }
    return;
  }
  RECT r{0, 0, width, height};
  ::DrawTextA(dc, text_.data(), length, &r, kTextFormat | ((flags_ & kLeftAligned) ? DT_LEFT : DT_CENTER));
}

const ClockCells& TextDisplay::Cells(HDC dc) {
  if (!measured_) {
    const kv::Selection font = font_ ? kv::Selection(dc, font_.get()) : kv::Selection{};
    cells_.colon = Extent(dc, kClockCharacters, 1).cx;
    // The digit cell is the widest of all eleven characters, the colon
    // included, so a font with a wide colon cannot make digits overlap.
    cells_.digit = 0;
    for (size_t i = 0; i < sizeof kClockCharacters - 1; ++i)
      cells_.digit = std::max<int>(cells_.digit, Extent(dc, kClockCharacters + i, 1).cx);
    measured_ = true;
  }
  return cells_;
}

void TextDisplay::DrawClock(HDC dc, int left, uint32_t seconds, skin::Color colour) {
  const ClockCells& cells = Cells(dc);
  const std::string t = ClockText(seconds);
  const TextPen pen(dc, font_.get(), colour);
  for (size_t i = 0; i < t.size(); ++i) {
    const int cell = t[i] == ':' ? cells.colon : cells.digit;
    const int at = left + cells.Offset(t, i);
    RECT r{at, 0, at + cell, height};
    ::DrawTextA(dc, &t[i], 1, &r, kTextFormat | DT_LEFT);
  }
}

bool TextDisplay::HandleMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
  switch (message) {
    case WM_DESTROY:
      Timers().Stop(this, kMarqueeTimer);
      return false;
    case WM_SETCURSOR: {
      if (!(flags_ & kClickable) || !Controls().MouseInside(*this)) return false;
      ShowHandCursor();
      *result = 1;
      return true;
    }
    case WM_TIMER:
      if (Timers().Is(wParam, this, kMarqueeTimer)) {
        marquee_.Tick();
        Controls().Redraw(*this);
      }
      return false;
    case WM_LBUTTONDOWN:
      return Controls().MouseInside(*this) && Click();
    default:
      return false;
  }
}

}  // namespace vrx
