#include "graphic/core/skin_values.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(SkinValues, IntegersReadLikeAtol) {
  EXPECT_EQ(ParseInteger("12", -1), 12);
  EXPECT_EQ(ParseInteger("  -7", -1), -7);
  EXPECT_EQ(ParseInteger("+5", -1), 5);
  EXPECT_EQ(ParseInteger("12px", -1), 12);
  EXPECT_EQ(ParseInteger("abc", -1), 0);  // begins with a letter
  EXPECT_EQ(ParseInteger("-", -1), 0);
  EXPECT_EQ(ParseInteger("\t\n 3", -1), 3);
}

TEST(SkinValues, EmptyAndNoneGiveTheDefault) {
  EXPECT_EQ(ParseInteger("", -1), -1);
  EXPECT_EQ(ParseInteger("None", 10), 10);
  EXPECT_EQ(ParseInteger("none", 10), 0);  // the word is case-sensitive
  EXPECT_EQ(ParseInteger("None ", 10), 0);
}

TEST(SkinValues, HugeNumbersStayAtTheEndsOfTheRange) {
  EXPECT_EQ(ParseInteger("999999999999999", 0), 2147483647);
  EXPECT_EQ(ParseInteger("-999999999999999", 0), -2147483647 - 1);
  EXPECT_EQ(ParseInteger("2147483648", 0), 2147483647);
  EXPECT_EQ(ParseInteger("-2147483648", 0), -2147483647 - 1);
}

TEST(SkinValues, ColoursWithAndWithoutHash) {
  const Color orange = 255 + 128 * 256;
  EXPECT_EQ(ParseColor("FF8000"), orange);
  EXPECT_EQ(ParseColor("#FF8000"), orange);
  EXPECT_EQ(ParseColor("#ff8000"), orange);
  EXPECT_EQ(ParseColor(""), 0u);
  EXPECT_EQ(ParseColor("#0000FF"), 0xFF0000u);  // blue sits in the high byte
}

TEST(SkinValues, ColourDigitsBeyondHexAndMissingCharacters) {
  // Letters count 10 upward, so "zz" is 35 * 16 + 35 = 595, cut to 8 bits.
  EXPECT_EQ(ParseColor("zz0000"), static_cast<Color>(595 & 0xFF));
  EXPECT_EQ(ParseColor("1G0000"), 32u);       // 'G' is 16
  EXPECT_EQ(ParseColor("G00000"), 0u);        // 16 * 16 cut to 8 bits
  EXPECT_EQ(ParseColor("-1?..."), 1u);        // other characters count 0
  EXPECT_EQ(ParseColor("#FF"), 0xFFu);        // missing pairs are 0
  EXPECT_EQ(ParseColor("#F"), 0xF0u);
}

TEST(SkinValues, FontFamiliesIgnoreCase) {
  EXPECT_EQ(ParseFamily("Decorative"), 80);
  EXPECT_EQ(ParseFamily("MODERN"), 48);
  EXPECT_EQ(ParseFamily("roman"), 16);
  EXPECT_EQ(ParseFamily("Script"), 64);
  EXPECT_EQ(ParseFamily("sWiss"), 32);
  EXPECT_EQ(ParseFamily("Swiss "), 0);
  EXPECT_EQ(ParseFamily(""), 0);
  EXPECT_EQ(PitchOf(3), kFixedPitch);
  EXPECT_EQ(PitchOf(0), kVariablePitch);
}

}  // namespace
}  // namespace skin
