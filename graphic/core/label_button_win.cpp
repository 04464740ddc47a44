#include "graphic/core/label_button_win.h"

#include "graphic/core/skin_font_win.h"

#include <cstring>

#include "graphic/core/module_state_win.h"

namespace vrx {

bool LabelButton::Init(int slot) {
  if (!SkinButton::Init(slot)) return false;
  if (!(flags_ & skin::kFlagLabel)) return true;
  const skin::SkinLabelRecord& r = Module().skin.Station(slot);
  colour_ = r.color;
  pressedColour_ = r.pressedColor;
  // Turned labels are smoothed; straight ones keep the crisp draft glyphs.
  font_ = MakeSkinFont(r.font, r.angle != 0 ? ANTIALIASED_QUALITY : DRAFT_QUALITY, r.angle);
  angle_ = AngleOf(r.angle);
  return true;
}

void LabelButton::Paint(HDC dc) {
  SkinButton::Paint(dc);
  if (!(flags_ & skin::kFlagLabel) || label_.empty()) return;
  kv::Selection font;
  if (font_) font = kv::Selection(dc, font_.get());
  SIZE size{};
  GetTextExtentPoint32A(dc, label_.c_str(), static_cast<int>(label_.size()), &size);
  const LabelOrigin at = PlaceLabel(width, height, size.cx, size.cy, angle_);
  const COLORREF oldColour = SetTextColor(dc, AltShown() ? pressedColour_ : colour_);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const UINT oldAlign = SetTextAlign(dc, TA_LEFT | TA_TOP);
  // A label wider than its button stays on it, off the neighbours.
  const RECT own{0, 0, width, height};
  ExtTextOutA(dc, at.x, at.y, ETO_CLIPPED, &own, label_.c_str(), static_cast<UINT>(label_.size()), nullptr);
  SetTextAlign(dc, oldAlign);
  SetBkMode(dc, oldMode);
  SetTextColor(dc, oldColour);
}

}  // namespace vrx
