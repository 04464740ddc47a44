#include "tests/gui/window_probe.h"

namespace gui {

RECT WindowRect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

LONG_PTR Style(HWND hwnd) { return GetWindowLongPtrA(hwnd, GWL_STYLE); }
LONG_PTR ExStyle(HWND hwnd) { return GetWindowLongPtrA(hwnd, GWL_EXSTYLE); }

std::optional<Layered> LayeredAttributes(HWND hwnd) {
  Layered l{};
  if (!GetLayeredWindowAttributes(hwnd, &l.key, &l.alpha, &l.flags)) return std::nullopt;
  return l;
}

Pixels CaptureClient(HWND hwnd) {
  Pixels out;
  RECT client{};
  GetClientRect(hwnd, &client);
  out.width = client.right;
  out.height = client.bottom;
  if (out.width <= 0 || out.height <= 0) return out;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = out.width;
  info.bmiHeader.biHeight = -out.height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC window = GetDC(hwnd);
  HDC memory = CreateCompatibleDC(window);
  HBITMAP dib = CreateDIBSection(window, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (memory && dib && bits) {
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, out.width, out.height, window, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* p = static_cast<const uint32_t*>(bits);
    out.colours.resize(static_cast<size_t>(out.width) * out.height);
    for (size_t i = 0; i < out.colours.size(); ++i)
      out.colours[i] = RGB((p[i] >> 16) & 0xFF, (p[i] >> 8) & 0xFF, p[i] & 0xFF);
    SelectObject(memory, old);
  }
  if (dib) DeleteObject(dib);
  if (memory) DeleteDC(memory);
  ReleaseDC(hwnd, window);
  return out;
}

}  // namespace gui
