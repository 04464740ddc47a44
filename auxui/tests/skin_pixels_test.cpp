#include "auxui/skin_pixels.h"

#include <gtest/gtest.h>

#include <vector>

namespace kvaux {
namespace {

TEST(ColourRamp, GreyFaceMapsEveryLevelToItself) {
  const ColourRamp ramp = MakeColourRamp(MakeColour(192, 192, 192));
  for (uint32_t i = 0; i < 256; ++i) EXPECT_EQ(ramp[i], MakeColour(i, i, i)) << i;
}

TEST(ColourRamp, LevelsAboveTheFaceOfAWhiteFaceStayWhite) {
  const ColourRamp ramp = MakeColourRamp(kWhite);
  for (uint32_t i = 192; i < 256; ++i) EXPECT_EQ(ramp[i], kWhite) << i;
  EXPECT_EQ(ramp[96], MakeColour(127, 127, 127));
}

TEST(ColourRamp, WarmFaceSpillsOverflowIntoTheOtherChannels) {
  const ColourRamp ramp = MakeColourRamp(MakeColour(236, 233, 216));
  struct Row {
    int level;
    Colour expected;
  };
  for (const Row& row : {Row{64, MakeColour(78, 77, 71)}, Row{128, MakeColour(157, 155, 143)},
                         Row{192, MakeColour(236, 233, 216)}, Row{224, kWhite}})
    EXPECT_EQ(ramp[row.level], row.expected) << row.level;
}

TEST(ColourRamp, OverflowOfGreenOrBlueAloneIsHandedOn) {
  // One strong channel fills first and hands its overflow to the others.
  for (Colour face : {MakeColour(40, 250, 60), MakeColour(30, 60, 250), MakeColour(0, 0, 0)}) {
    const ColourRamp ramp = MakeColourRamp(face);
    EXPECT_EQ(ramp[192], face);
    for (int i = 1; i < 256; ++i) {
      EXPECT_GE(RedOf(ramp[i]) + GreenOf(ramp[i]) + BlueOf(ramp[i]),
                RedOf(ramp[i - 1]) + GreenOf(ramp[i - 1]) + BlueOf(ramp[i - 1]))
          << i;
    }
  }
  EXPECT_EQ(MakeColourRamp(MakeColour(0, 0, 0))[255], MakeColour(0, 0, 0));
  EXPECT_EQ(MakeColourRamp(MakeColour(40, 250, 60))[255], MakeColour(91, 255, 117));
  EXPECT_EQ(MakeColourRamp(MakeColour(30, 60, 250))[255], MakeColour(78, 118, 255));
}

constexpr uint32_t kKeyDib = 0xC0C0C0;

TEST(ButtonPictures, MaskTintAndFadeKeepTheTransparentAreaApart) {
  const ColourRamp ramp = MakeColourRamp(MakeColour(236, 233, 216));
  const std::vector<uint32_t> drawn = {kKeyDib, 0x404040, 0xC0C0C1, 0x801020};
  std::vector<uint32_t> mask(drawn.size());
  MakeMask(drawn, mask);
  EXPECT_EQ(mask, (std::vector<uint32_t>{kDibBlack, kDibWhite, kDibWhite, kDibWhite}));

  std::vector<uint32_t> normal = drawn;
  TintPicture(normal, ramp);
  // Only the red component picks the ramp entry.
  EXPECT_EQ(normal, (std::vector<uint32_t>{kDibWhite, ToDib(ramp[0x40]), ToDib(ramp[0xC0]), ToDib(ramp[0x80])}));

  std::vector<uint32_t> hot = drawn;
  WhitenTransparent(hot);
  EXPECT_EQ(hot, (std::vector<uint32_t>{kDibWhite, 0x404040, 0xC0C0C1, 0x801020}));

  std::vector<uint32_t> faded = {0x000000, 0xFFFFFF, 0x102030, kDibWhite};
  const std::vector<uint32_t> fadeMask = {kDibWhite, kDibWhite, kDibWhite, kDibBlack};
  FadeToFace(faded, fadeMask, MakeColour(200, 100, 50));  // DIB 0xC86432
  // The transparent pixel stays white, so the background shows through it.
  EXPECT_EQ(faded, (std::vector<uint32_t>{0x643219, 0xE3B198, 0x6C4231, kDibWhite}));
}

TEST(ButtonLooks, PictureAndEdgeForEveryState) {
  using P = ButtonPicture;
  using E = ButtonEdge;
  struct Row {
    bool enabled, hover, pressed, checked;
    ButtonLook look;
  };
  const Row rows[] = {
      {true, false, false, false, {P::kNormal, E::kNone}},
      {true, false, true, false, {P::kNormal, E::kNone}},  // pressed, then dragged off
      {true, true, false, false, {P::kHot, E::kRaised}},
      {true, true, true, false, {P::kHot, E::kSunken}},
      {true, false, false, true, {P::kHot, E::kSunken}},
      {true, true, false, true, {P::kHot, E::kSunken}},
      {false, false, false, true, {P::kDisabled, E::kSunken}},
      {false, true, false, false, {P::kDisabled, E::kRaised}},
      {false, false, false, false, {P::kDisabled, E::kNone}},
  };
  for (const Row& r : rows)
    EXPECT_EQ(LookOf(r.enabled, r.hover, r.pressed, r.checked), r.look)
        << r.enabled << r.hover << r.pressed << r.checked;
}

TEST(ButtonLooks, PicturesAreCentredWithSignedDivision) {
  EXPECT_EQ(CentredOffset(40, 16), 12);
  EXPECT_EQ(CentredOffset(17, 16), 0);
  EXPECT_EQ(CentredOffset(10, 16), -3);
  EXPECT_EQ(CentredOffset(10, 17), -3);
}

}  // namespace
}  // namespace kvaux
