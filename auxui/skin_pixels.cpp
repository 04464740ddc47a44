#include "auxui/skin_pixels.h"

#include <algorithm>

namespace kvaux {
namespace {

uint32_t Clamp(uint32_t v) { return std::min<uint32_t>(v, 255); }

// Pours the light that overflowed channel `full` into the other two: half
// to each, and what one of them cannot take to the other.
void Spill(uint32_t& full, uint32_t& a, uint32_t& b, uint32_t light) {
  const uint32_t d = light + full - 255;
  full = 255;
  const uint32_t h = d / 2;
  if (a + h > 255) {
    b = Clamp(b + (d + a - 255));
    a = 255;
  } else if (b + h > 255) {
    a = Clamp(a + (d + b - 255));
    b = 255;
  } else {
    a += h;
    b += h;
  }
}

}  // namespace

ColourRamp MakeColourRamp(Colour face) {
  const uint32_t R = RedOf(face), G = GreenOf(face), B = BlueOf(face);
  const uint32_t S = R + G + B;
  ColourRamp ramp{};
  if (S == 0) return ramp;  // a black face: every grey is black
  for (uint32_t i = 0; i < ramp.size(); ++i) {
    const uint32_t T = i * S / kFaceGrey;
    uint32_t r = Clamp(T * R / S), g = Clamp(T * G / S), b = Clamp(T * B / S);
    const uint32_t L = T - r - g - b;
    const uint32_t q = L / 3;
    if (r + q > 255) {
      Spill(r, g, b, L);
    } else if (g + q > 255) {
      Spill(g, r, b, L);
    } else if (b + q > 255) {
      Spill(b, g, r, L);
    } else {
      r += q, g += q, b += q;
    }
    ramp[i] = MakeColour(r, g, b);
  }
  return ramp;
}

void MakeMask(std::span<const uint32_t> picture, std::span<uint32_t> mask) {
  const size_t n = std::min(picture.size(), mask.size());
  for (size_t i = 0; i < n; ++i) mask[i] = FromDib(picture[i]) == kTransparentKey ? kDibBlack : kDibWhite;
}

void TintPicture(std::span<uint32_t> picture, const ColourRamp& ramp) {
  for (uint32_t& p : picture) {
    const Colour c = FromDib(p);
    p = c == kTransparentKey ? kDibWhite : ToDib(ramp[RedOf(c)]);
  }
}

void WhitenTransparent(std::span<uint32_t> picture) {
  for (uint32_t& p : picture)
    if (FromDib(p) == kTransparentKey) p = kDibWhite;
}

void FadeToFace(std::span<uint32_t> picture, std::span<const uint32_t> mask, Colour face) {
  const size_t n = std::min(picture.size(), mask.size());
  for (size_t i = 0; i < n; ++i) {
    uint32_t& p = picture[i];
    if ((mask[i] & kDibWhite) == kDibBlack) continue;
    const Colour c = FromDib(p & kDibWhite);
    p = ToDib(MakeColour((RedOf(c) + RedOf(face)) / 2, (GreenOf(c) + GreenOf(face)) / 2,
                         (BlueOf(c) + BlueOf(face)) / 2));
  }
}

ButtonLook LookOf(bool enabled, bool hover, bool pressed, bool checked) {
  ButtonLook look{ButtonPicture::kNormal, ButtonEdge::kNone};
  if (!enabled)
    look.picture = ButtonPicture::kDisabled;
  else if (hover || checked)
    look.picture = ButtonPicture::kHot;
  if (checked)
    look.edge = ButtonEdge::kSunken;
  else if (hover)
    look.edge = pressed ? ButtonEdge::kSunken : ButtonEdge::kRaised;
  return look;
}

}  // namespace kvaux
