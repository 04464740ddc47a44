// The common interface of every control: a plain object that occupies a
// rectangle of the main window, paints itself into the main window's DC and
// receives the main window's messages.
#pragma once

#include <windows.h>

namespace vrx {

// What a control says about the mouse and its tooltip.
enum HoverState : int {
  kHoverNone = 0,    // no tooltip now: the mouse is elsewhere, or the control is busy
  kHoverTip = 1,     // the mouse is over the control; its tooltip may show
  kHoverFollow = 2,  // the tip stays and follows the mouse, its text asked anew
};

class SkinControl {
 public:
  SkinControl() = default;
  SkinControl(const SkinControl&) = delete;
  SkinControl& operator=(const SkinControl&) = delete;
  // Destroy: releases the control and everything it owns.
  virtual ~SkinControl() = default;

  virtual int HoverState() { return kHoverNone; }
  // Text owned by the control, valid until the next call or its
  // destruction; null for none.
  virtual const char* TooltipText() { return nullptr; }
  // Draws into dc, whose viewport origin is the control's top-left corner.
  virtual void Paint(HDC dc) = 0;
  // True when the control took the message; *result (preset to 0) is what
  // the window procedure returns then.
  virtual bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) = 0;

  RECT Rect() const { return {x, y, x + width, y + height}; }

  // Top-left corner in main-window client coordinates, and size.
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

}  // namespace vrx
