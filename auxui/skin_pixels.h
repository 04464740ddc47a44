// The arithmetic of the skinned dialog controls: the colour ramp that maps
// the grey artwork onto the user's button-face colour, and what happens to
// the pixels of button pictures (masks, tint, the disabled look). Pictures
// are rows of 32-bit DIB pixels (0x00RRGGBB); colours are COLORREF values
// (0x00BBGGRR), as the system colours come.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace kvaux {

using Colour = uint32_t;  // COLORREF layout: 0x00BBGGRR

constexpr Colour MakeColour(uint32_t r, uint32_t g, uint32_t b) { return r | g << 8 | b << 16; }
constexpr uint32_t RedOf(Colour c) { return c & 0xFF; }
constexpr uint32_t GreenOf(Colour c) { return (c >> 8) & 0xFF; }
constexpr uint32_t BlueOf(Colour c) { return (c >> 16) & 0xFF; }

constexpr Colour kWhite = MakeColour(255, 255, 255);
// The artwork's transparent colour, and the grey level that becomes the
// button face.
constexpr Colour kTransparentKey = MakeColour(192, 192, 192);
constexpr uint32_t kFaceGrey = 192;

// Entry i: the colour grey level i stands for over this button face. Grey
// 192 is the face itself; the channels keep summing to the scaled light
// wherever they can, light that does not fit in one channel going to the
// others.
using ColourRamp = std::array<Colour, 256>;
ColourRamp MakeColourRamp(Colour face);

// DIB pixels (0x00RRGGBB) to and from colours.
constexpr Colour FromDib(uint32_t p) { return MakeColour((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF); }
constexpr uint32_t ToDib(Colour c) { return RedOf(c) << 16 | GreenOf(c) << 8 | BlueOf(c); }
constexpr uint32_t kDibBlack = 0;
constexpr uint32_t kDibWhite = 0xFFFFFF;

// A mask to copy with SRCPAINT before the picture: black where the picture
// is transparent, white elsewhere. `mask` has the picture's size.
void MakeMask(std::span<const uint32_t> picture, std::span<uint32_t> mask);
// The normal picture: tinted through the ramp by its red component, with
// the transparent area white, so that SRCAND over the masked background
// leaves the background there.
void TintPicture(std::span<uint32_t> picture, const ColourRamp& ramp);
// The hot picture: drawn as it is, only the transparent area made white.
void WhitenTransparent(std::span<uint32_t> picture);
// The disabled picture from a prepared normal one: each channel halfway to
// the face's. The transparent area (black in the mask) stays white, or
// copying the picture with SRCAND would darken the background there.
void FadeToFace(std::span<uint32_t> picture, std::span<const uint32_t> mask, Colour face);

// What a bitmap button shows for its state. Checked wins over hover for
// the edge, disabled wins over everything for the picture.
enum class ButtonPicture { kNormal, kHot, kDisabled };
enum class ButtonEdge { kNone, kSunken, kRaised };
struct ButtonLook {
  ButtonPicture picture;
  ButtonEdge edge;
  bool operator==(const ButtonLook&) const = default;
};
ButtonLook LookOf(bool enabled, bool hover, bool pressed, bool checked);

// Where a picture of `inner` pixels starts inside `outer` pixels: centred,
// with signed division, so a larger picture hangs over both edges alike.
constexpr int CentredOffset(int outer, int inner) { return (outer - inner) / 2; }

}  // namespace kvaux
