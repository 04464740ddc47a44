// Reading a module's window back: place, styles, layered attributes and
// pixels.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace gui {

RECT WindowRect(HWND hwnd);
LONG_PTR Style(HWND hwnd);
LONG_PTR ExStyle(HWND hwnd);

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

}  // namespace gui
