// Real input as a user gives it: the cursor is moved and the buttons and
// keys pressed through SendInput with absolute coordinates, so the system
// makes the mouse messages, capture, WM_SETCURSOR and double clicks itself.
#pragma once

#include <windows.h>

namespace gui {

// Moves the cursor to the screen point; true when it got there.
bool MouseTo(int x, int y);
void LeftDown();
void LeftUp();
void RightDown();
void RightUp();
// Move, press and release.
void LeftClick(int x, int y);
void RightClick(int x, int y);
// Two clicks in one batch: a double click however long this thread is kept
// waiting, as two separate clicks are not once the double-click time passes.
void DoubleClick(int x, int y);
void KeyDown(WORD vk);
void KeyUp(WORD vk);
// Presses and releases a key, with holdKey (VK_SHIFT, ...) held around it
// in the same batch, so no pointer motion can lose it.
void Press(WORD vk, WORD holdKey = 0);
// Turns the wheel by a signed distance (120 a notch).
void Wheel(int distance);

// Presses at `from`, moves in `steps` even steps to `to` and releases there,
// giving the system time to deliver each step; holdKey (a virtual key such
// as VK_SHIFT) is held from the press to the release.
void Drag(POINT from, POINT to, int steps = 8, WORD holdKey = 0);

// Screen point of a client point of a window.
POINT ScreenPoint(HWND hwnd, int x, int y);

}  // namespace gui
