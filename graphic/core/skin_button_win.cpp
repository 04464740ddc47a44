#include "graphic/core/skin_button_win.h"

#include "graphic/core/bitmap_control_win.h"
#include "graphic/core/control_table_win.h"
#include "graphic/core/module_state_win.h"
#include "graphic/core/module_timers_win.h"

namespace vrx {

bool SkinButton::Init(int slot) {
  const skin::SkinDescription& d = Module().skin;
  const skin::SkinControlRecord& r =
      slot >= skin::kBtnStation1 && slot < skin::kSldVolume ? d.Station(slot).control : d.Button(slot);
  slot_ = slot;
  x = r.windowX;
  y = r.windowY;
  width = r.width;
  height = r.height;
  image_ = {r.controlX, r.controlY};
  alt_ = {r.altX, r.altY};
  if (r.flags & skin::kFlagMask) mask_ = POINT{r.maskX, r.maskY};
  flags_ = r.flags;
  return true;
}

bool SkinButton::Holding() const { return pressed_ && Capture().Current() == this; }

bool SkinButton::MouseOver() const {
  return HitSkinImage(Module().skinDc(), Controls().ToControl(*this), width, height, mask_);
}

bool SkinButton::AltShown() const {
  if (!(flags_ & skin::kFlagAltImage)) return false;
  if (on_) return true;
  return (flags_ & skin::kFlagPressRelease) && Holding() && MouseOver();
}

int SkinButton::HoverState() {
  if (Holding() || tookEscape_) return kHoverNone;
  return MouseOver() ? kHoverTip : kHoverNone;
}

void SkinButton::Paint(HDC dc) {
  const POINT from = AltShown() ? alt_ : image_;
  DrawSkinImage(dc, Module().skinDc(), width, height, from.x, from.y, mask_);
}

void SkinButton::SetOn(bool on) {
  on_ = on;
  Controls().Invalidate(*this);
}

void SkinButton::Cancel() {
  if (!pressed_) return;
  pressed_ = false;
  if (Capture().Current() == this) Capture().Capture(this, false);
  Controls().Invalidate(*this);
}

bool SkinButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  tookEscape_ = false;
  switch (message) {
    case WM_CANCELMODE:
      Cancel();
      return false;
    case WM_CAPTURECHANGED:
      if (Capture().TakenAway(lParam)) Cancel();
      return false;
    case WM_SETCURSOR:
      if (!Holding() && !MouseOver()) return false;
      ShowHandCursor();
      *result = 1;
      return true;
    case WM_KEYDOWN:
      if (wParam != VK_ESCAPE || !Holding()) return false;
      Cancel();
      tookEscape_ = true;
      return true;
    case WM_MOUSEMOVE:
      if (!Holding()) return false;
      Controls().Invalidate(*this);
      return true;
    case WM_LBUTTONDOWN:
      if (!MouseOver()) return false;
      shift_ = (wParam & MK_SHIFT) != 0;
      if (flags_ & skin::kFlagPressRelease) {
        Capture().Capture(this, true);
        pressed_ = true;
        Controls().Invalidate(*this);
      } else {
        Action();
      }
      return true;
    case WM_LBUTTONUP: {
      if (!Holding()) return false;
      Cancel();
      shift_ = (wParam & MK_SHIFT) != 0;
      if ((flags_ & skin::kFlagPressRelease) && MouseOver()) Action();
      return true;
    }
    case WM_RBUTTONDOWN:
      if (!Holding()) return false;
      Cancel();
      return true;
    default:
      return false;
  }
}

}  // namespace vrx
