#include "graphic/core/control_table_win.h"

#include <commctrl.h>

#include <new>

#include "graphic/core/module_state_win.h"

namespace vrx {

ControlTable& Controls() {
  static ControlTable table;
  return table;
}

void ControlTable::Create(HWND window, int width, int height, const skin::SkinDescription& skin,
                          ControlFactory factory) {
  Destroy();
  window_ = window;
  buffer_.Make(Module().skinDc(), width, height);
  InitCommonControls();
  tips_.Create(window, width, height);
  if (!factory) return;
  for (int slot = 0; slot < skin::kSlotCount; ++slot) {
    if (!skin.present[slot]) continue;
    try {
      slots_[slot] = factory(slot);
    } catch (const std::bad_alloc&) {
      slots_[slot] = nullptr;  // a control that cannot be built is missing
    }
  }
}

void ControlTable::Destroy() {
  tips_.Hide();
  for (auto& control : slots_) control.reset();
  tips_.Destroy();
  buffer_.Release();
  window_ = nullptr;
}

bool ControlTable::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  bool handled = false;
  for (const auto& control : slots_) {
    if (!control || !control->HandleMessage(message, wParam, lParam, result)) continue;
    // The cursor and timers belong to exactly one control.
    if (message == WM_SETCURSOR || message == WM_TIMER) return true;
    // A busy control keeps the message from the controls above it.
    if (control->HoverState() == kHoverNone) {
      tips_.Hide();
      return true;
    }
    handled = true;
  }
  tips_.Step(message, wParam, lParam);
  return handled;
}

void ControlTable::Paint(HDC dc, const RECT& update) {
  for (const auto& control : slots_) {
    if (!control) continue;
    const RECT r = control->Rect();
    RECT overlap;
    if (!IntersectRect(&overlap, &r, &update)) continue;
    SetViewportOrgEx(dc, control->x, control->y, nullptr);
    control->Paint(dc);
  }
  SetViewportOrgEx(dc, 0, 0, nullptr);
}

void ControlTable::PaintWindow(HDC dc, const RECT& r) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  const HDC target = buffer_.dc() ? buffer_.dc() : dc;
  // The background is the bitmap's top-left corner, pixel for pixel.
  BitBlt(target, r.left, r.top, w, h, Module().skinDc(), r.left, r.top, SRCCOPY);
  Paint(target, r);
  if (target != dc) BitBlt(dc, r.left, r.top, w, h, target, r.left, r.top, SRCCOPY);
}

void ControlTable::Invalidate(const SkinControl& control) { Invalidate(control, {0, 0, control.width, control.height}); }

void ControlTable::Invalidate(const SkinControl& control, const RECT& part) {
  if (!window_) return;
  RECT r = part;
  OffsetRect(&r, control.x, control.y);
  InvalidateRect(window_, &r, FALSE);
  UpdateWindow(window_);
}

void ControlTable::Redraw(const SkinControl& control) {
  if (!window_) return;
  // Under Wine the window's paint cycle (invalidate, update, begin and end
  // paint) costs several server round trips; a DC of the window costs none
  // once its visible region is known.
  kv::WindowDc screen(window_);
  if (screen) PaintWindow(screen.dc(), control.Rect());
}

POINT ControlTable::ToControl(const SkinControl& control) const {
  POINT p = Module().mouse;
  if (window_) ScreenToClient(window_, &p);
  return {p.x - control.x, p.y - control.y};
}

bool ControlTable::MouseInside(const SkinControl& control) const {
  const POINT p = ToControl(control);
  return p.x >= 0 && p.x < control.width && p.y >= 0 && p.y < control.height;
}

int ControlTable::SlotOf(const SkinControl* control) const {
  for (int slot = 0; slot < skin::kSlotCount; ++slot)
    if (control && slots_[slot].get() == control) return slot;
  return kNoSlot;
}

SkinControl* ControlTable::At(int slot) const {
  return slot >= 0 && slot < skin::kSlotCount ? slots_[slot].get() : nullptr;
}

}  // namespace vrx
