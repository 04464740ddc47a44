#include "graphic/core/label_geometry.h"

#include <cmath>
#include <numbers>

namespace vrx {
namespace {
constexpr double kTenthsPerHalfTurn = 1800.0;
}

TextAngle AngleOf(int tenths) {
  if (tenths == 0) return {};
  const double a = tenths * std::numbers::pi / kTenthsPerHalfTurn;
  return {std::sin(a), std::cos(a)};
}

LabelOrigin PlaceLabel(int width, int height, int cx, int cy, TextAngle angle) {
  int w = cx, h = cy, raise = 0;
  if (angle.sine != 0.0) {
    w = static_cast<int>(cx * angle.cosine + cy * angle.sine);
    h = static_cast<int>(cy * angle.cosine + cx * angle.sine);
    raise = static_cast<int>(cx * angle.sine);
  }
  return {(width - w) / 2, (height - h) / 2 + raise};
}

}  // namespace vrx
