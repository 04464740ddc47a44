// Reading a module's window back: place, styles, layered attributes and
// pixels.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gui {

RECT WindowRect(HWND hwnd);
LONG_PTR Style(HWND hwnd);
LONG_PTR ExStyle(HWND hwnd);
std::string ClassName(HWND hwnd);
std::string Title(HWND hwnd);

struct Layered {
  COLORREF key;
  BYTE alpha;
  DWORD flags;  // LWA_COLORKEY, LWA_ALPHA
};
std::optional<Layered> LayeredAttributes(HWND hwnd);

// The window's client pixels as COLORREF values, row by row.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> colours;
  COLORREF at(int x, int y) const { return colours[static_cast<size_t>(y) * width + x]; }
};
Pixels CaptureClient(HWND hwnd);

// Waits until pred() holds, up to timeoutMs.
template <class Pred>
bool WaitUntil(Pred pred, DWORD timeoutMs = 5000) {
  const DWORD start = GetTickCount();
  while (!pred()) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(10);
  }
  return true;
}

}  // namespace gui
