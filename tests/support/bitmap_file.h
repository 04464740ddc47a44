// Bitmap files drawn by a function, for skins and images made by a test.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace wintest {

using PixelFn = std::function<COLORREF(int x, int y)>;

// Writes a 24-bit bitmap file; true on success.
bool WriteBitmap(const std::string& path, int width, int height, const PixelFn& pixel);
inline bool WriteBitmap(const std::string& path, int width, int height, COLORREF colour) {
  return WriteBitmap(path, width, height, [colour](int, int) { return colour; });
}

}  // namespace wintest
