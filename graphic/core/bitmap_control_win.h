// Drawing and hit-testing of controls whose pictures lie in the skin bitmap
// (buttons, the stereo indicator).
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

namespace vrx {

// Copies the w x h image at (ix, iy) of the skin DC to (0, 0) of dc. With a
// mask at (mx, my), the image shows where the mask is white and what dc
// already holds where it is black.
void DrawSkinImage(HDC dc, HDC skin, int w, int h, int ix, int iy, const std::optional<POINT>& mask);
// The masked copy through the caller's work DC, whose bitmap holds at least
// w x h: nothing is made, for drawing on every tick.
void DrawSkinImage(HDC dc, HDC skin, HDC work, int w, int h, int ix, int iy, POINT mask);

// Whether control point p lies on a w x h control: inside it and, with a
// mask, on a mask pixel whose red part is not 0.
bool HitSkinImage(HDC skin, POINT p, int w, int h, const std::optional<POINT>& mask);
// The red part of a skin bitmap pixel, 0 outside the bitmap.
uint8_t SkinRedAt(HDC skin, int32_t x, int32_t y);

// The cursor over a control that reacts to the mouse: the system's hand,
// or the arrow where there is none.
void ShowHandCursor();

}  // namespace vrx
