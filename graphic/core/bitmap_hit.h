// Hit test of a bitmap control: inside its rectangle and, when it has a
// mask, on a mask pixel whose red part is not 0. The caller reads the mask
// pixel from the skin bitmap.
#pragma once

#include <cstdint>
#include <optional>

#include "graphic/core/window_geometry.h"

namespace vrx {

template <class RedAt>  // uint8_t(int32_t x, int32_t y) in bitmap coordinates
bool HitBitmapControl(Point p, int32_t width, int32_t height, const std::optional<Point>& mask,
                      RedAt redAt) {
  if (p.x < 0 || p.y < 0 || p.x >= width || p.y >= height) return false;
  return !mask || redAt(mask->x + p.x, mask->y + p.y) != 0;
}

}  // namespace vrx
