// One line of text in the skin's font over the main window's background,
// centred or left-aligned, moving sideways when it is wider than the display
// (the marquee). The time, record and station displays are text displays;
// each says what a click does.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "graphic/core/skin_control_win.h"
#include "graphic/core/skin_records.h"
#include "graphic/panels/display_text.h"
#include "host/win_handle.h"

namespace vrx {

class TextDisplay : public SkinControl {
 public:
  enum Flag : uint32_t {
    kScrolls = 0x1,      // a text wider than the display moves
    kClickable = 0x2,    // hand cursor and Click
    kLeftAligned = 0x4,  // else centred
  };

  void Paint(HDC dc) override { DrawText(dc); }
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 protected:
  explicit TextDisplay(uint32_t flags) : flags_(flags) {}

  void Place(int32_t left, int32_t top, int32_t w, int32_t h);
  void MakeFont(const skin::Font& font, BYTE quality);
  void SetColour(skin::Color colour) { colour_ = colour; }
  // Shows s from its start; an empty s shows nothing.
  void SetText(const std::string& s);
  const std::string& text() const { return text_; }
  int textWidth() const { return marquee_.textWidth; }
  void Repaint();

  // The line of text, moved by the marquee when it scrolls.
  void DrawText(HDC dc) const;
  // A clock in digit cells from column x; the cells are measured at the
  // first clock drawn.
  void DrawClock(HDC dc, int x, uint32_t seconds, skin::Color colour);
  const ClockCells& Cells(HDC dc);

  // The display's answer to a click inside it: whether it took the click.
  virtual bool Click() { return false; }

 private:
  uint32_t flags_;
  kv::Font font_;
  skin::Color colour_ = 0;
  std::string text_;
  Marquee marquee_;  // the gap between repeats is 0 for every display
  std::vector<int> ends_;  // the width of the text up to each character, for the marquee
  ClockCells cells_;
  bool measured_ = false;
};

// The selections a display draws with: its font, transparent background,
// its colour; put back when it goes.
class TextPen {
 public:
  TextPen(HDC dc, HFONT font, skin::Color colour);
  ~TextPen();
  TextPen(const TextPen&) = delete;
  TextPen& operator=(const TextPen&) = delete;

 private:
  HDC dc_;
  kv::Selection font_;
  COLORREF oldColour_;
  int oldMode_;
};

}  // namespace vrx
