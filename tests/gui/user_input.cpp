#include "tests/gui/user_input.h"

#include "tests/support/wait.h"

namespace gui {
namespace {

constexpr DWORD kStepPauseMs = 30;

INPUT MouseInput(DWORD flags, int x, int y) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  if (flags & MOUSEEVENTF_ABSOLUTE) {
    // Absolute coordinates run 0..65535 across the primary screen; aim at the
    // middle of the wanted pixel so rounding either way lands on it.
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    in.mi.dx = static_cast<LONG>((static_cast<long long>(x) * 65536 + 32768) / w);
    in.mi.dy = static_cast<LONG>((static_cast<long long>(y) * 65536 + 32768) / h);
  }
  return in;
}

void SendMouse(DWORD flags, int x = 0, int y = 0) {
  INPUT in = MouseInput(flags, x, y);
  SendInput(1, &in, sizeof in);
}

INPUT KeyInput(WORD vk, DWORD flags) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  // The separate cursor keys are extended keys, as a keyboard sends them.
  const bool cursorKey = vk >= VK_PRIOR && vk <= VK_DOWN;
  in.ki.dwFlags = flags | (cursorKey ? KEYEVENTF_EXTENDEDKEY : 0);
  return in;
}

void SendKey(WORD vk, DWORD flags) {
  INPUT in = KeyInput(vk, flags);
  SendInput(1, &in, sizeof in);
}

bool WaitCursor(int x, int y) {
  return wintest::WaitUntil(
      [&] {
        POINT p{};
        GetCursorPos(&p);
        return p.x == x && p.y == y;
      },
      250);
}

}  // namespace

bool MouseTo(int x, int y) {
  SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y);
  return WaitCursor(x, y);
}

bool MouseToHolding(int x, int y, WORD vk) {
  // Under Wine every pointer motion sets the modifier keys back to the
  // display's own state, so a held key repeats just before each move, as a
  // held key repeats on a keyboard, in one batch that nothing can split.
  INPUT in[2] = {KeyInput(vk, 0), MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y)};
  SendInput(2, in, sizeof in[0]);
  return WaitCursor(x, y);
}

static DWORD g_lastLeftDown = 0;

void LeftDown() {
  g_lastLeftDown = GetTickCount();
  SendMouse(MOUSEEVENTF_LEFTDOWN);
}
void LeftUp() { SendMouse(MOUSEEVENTF_LEFTUP); }
void RightDown() { SendMouse(MOUSEEVENTF_RIGHTDOWN); }
void RightUp() { SendMouse(MOUSEEVENTF_RIGHTUP); }

void LeftClick(int x, int y) {
  MouseTo(x, y);
  LeftDown();
  Sleep(kStepPauseMs);
  LeftUp();
}

void DoubleClick(int x, int y) {
  MouseTo(x, y);
  INPUT in[4] = {MouseInput(MOUSEEVENTF_LEFTDOWN, 0, 0), MouseInput(MOUSEEVENTF_LEFTUP, 0, 0),
                 MouseInput(MOUSEEVENTF_LEFTDOWN, 0, 0), MouseInput(MOUSEEVENTF_LEFTUP, 0, 0)};
  g_lastLeftDown = GetTickCount();
  SendInput(4, in, sizeof in[0]);
}

void RightClick(int x, int y) {
  MouseTo(x, y);
  RightDown();
  Sleep(kStepPauseMs);
  RightUp();
}

void KeyDown(WORD vk) { SendKey(vk, 0); }
void Press(WORD vk, WORD holdKey) {
  INPUT in[4] = {KeyInput(holdKey, 0), KeyInput(vk, 0), KeyInput(vk, KEYEVENTF_KEYUP),
                 KeyInput(holdKey, KEYEVENTF_KEYUP)};
  if (holdKey)
    SendInput(4, in, sizeof in[0]);
  else
    SendInput(2, in + 1, sizeof in[0]);
}
void Wheel(int distance) {
  INPUT in = MouseInput(MOUSEEVENTF_WHEEL, 0, 0);
  in.mi.mouseData = static_cast<DWORD>(distance);
  SendInput(1, &in, sizeof in);
}
void KeyUp(WORD vk) { SendKey(vk, KEYEVENTF_KEYUP); }

void Drag(POINT from, POINT to, int steps, WORD holdKey) {
  // A press soon after the last one would be a double click, not a drag.
  const DWORD since = GetTickCount() - g_lastLeftDown, wait = GetDoubleClickTime() + 50;
  if (since < wait) Sleep(wait - since);
  MouseTo(from.x, from.y);
  Sleep(kStepPauseMs);
  LeftDown();
  Sleep(kStepPauseMs);
  for (int i = 1; i <= steps; ++i) {
    const int x = from.x + (to.x - from.x) * i / steps, y = from.y + (to.y - from.y) * i / steps;
    if (holdKey)
      MouseToHolding(x, y, holdKey);
    else
      MouseTo(x, y);
    Sleep(kStepPauseMs);
  }
  LeftUp();
  Sleep(kStepPauseMs);
  if (holdKey) KeyUp(holdKey);
}

POINT ScreenPoint(HWND hwnd, int x, int y) {
  POINT p{x, y};
  ClientToScreen(hwnd, &p);
  return p;
}

}  // namespace gui
