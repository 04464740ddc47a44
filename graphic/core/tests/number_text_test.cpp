#include "graphic/core/number_text.h"

#include <gtest/gtest.h>

#include "graphic/core/bitmap_hit.h"

namespace vrx {
namespace {

TEST(NumberText, GroupsOfThree) {
  EXPECT_EQ(GroupedNumber(1234567, "KB"), "1 234 567 KB");
  EXPECT_EQ(GroupedNumber(1000000, "KB"), "1 000 000 KB");
  EXPECT_EQ(GroupedNumber(1005, "MB"), "1 005 MB");
  EXPECT_EQ(GroupedNumber(999, "GB"), "999 GB");
  EXPECT_EQ(GroupedNumber(0, "KB"), "0 KB");
  EXPECT_EQ(GroupedNumber(4294967295u, "KB"), "294 967 295 KB");  // nine digits at most
  EXPECT_EQ(GroupedNumber(7000000, ""), "7 000 000 ");
}

TEST(NumberText, SizesPickTheUnitFromTwoUpward) {
  EXPECT_EQ(SizeText(2000000), "1 953 KB");
  EXPECT_EQ(SizeText(3000000), "2 MB");
  EXPECT_EQ(SizeText(5000000000ull), "4 GB");
  EXPECT_EQ(SizeText(1536ull << 20), "1 536 MB");  // 1.5 GB in MB
  EXPECT_EQ(SizeText(1536ull << 10), "1 536 KB");  // 1.5 MB in KB
  EXPECT_EQ(SizeText(2ull << 30), "2 GB");
  EXPECT_EQ(SizeText(1023), "0 KB");
  // Beyond 4 TB the count does not wrap around.
  EXPECT_EQ(SizeText(5ull << 40), "5 120 GB");
}

TEST(BitmapHit, RectangleAndRedMask) {
  // A 4 x 2 mask at (10, 20) whose left half is black.
  const auto red = [](int32_t x, int32_t y) -> uint8_t {
    EXPECT_TRUE(x >= 10 && x < 14 && y >= 20 && y < 22) << x << "," << y;
    return x >= 12 ? 0x80 : 0;
  };
  const std::optional<Point> mask = Point{10, 20};
  EXPECT_TRUE(HitBitmapControl({0, 0}, 4, 2, std::nullopt, red));
  EXPECT_TRUE(HitBitmapControl({3, 1}, 4, 2, std::nullopt, red));
  EXPECT_FALSE(HitBitmapControl({4, 1}, 4, 2, std::nullopt, red));
  EXPECT_FALSE(HitBitmapControl({-1, 0}, 4, 2, std::nullopt, red));
  EXPECT_FALSE(HitBitmapControl({0, 2}, 4, 2, mask, red));
  EXPECT_FALSE(HitBitmapControl({1, 1}, 4, 2, mask, red));
  EXPECT_TRUE(HitBitmapControl({2, 1}, 4, 2, mask, red));
}

}  // namespace
}  // namespace vrx
