// The owners of Win32 resources: each releases exactly what it holds, once,
// on reset, destruction or being moved over, and keeps the live count right.
#include "host/win_handle.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "graphic/core/skin_image_win.h"
#include "tests/support/bitmap_file.h"
#include "tests/support/wintest.h"

namespace vrx {
namespace {

HBITMAP NewBitmap() {
  kv::WindowDc screen(nullptr);
  return CreateCompatibleBitmap(screen.dc(), 4, 4);
}

TEST(GdiHandles, BitmapOwnerDeletesOnceAndCounts) {
  const long before = kv::gdi::LiveObjects();
  HBITMAP raw = NewBitmap();
  ASSERT_NE(raw, nullptr);
  {
    kv::Bitmap owner(raw);
    EXPECT_EQ(kv::gdi::LiveObjects(), before + 1);
    EXPECT_EQ(owner.get(), raw);
    EXPECT_EQ(GetObjectType(raw), static_cast<DWORD>(OBJ_BITMAP));
  }
  EXPECT_EQ(GetObjectType(raw), 0u);  // deleted
  EXPECT_EQ(kv::gdi::LiveObjects(), before);

  kv::Bitmap empty;
  EXPECT_FALSE(empty);
  empty.reset();  // nothing to release
  EXPECT_EQ(kv::gdi::LiveObjects(), before);
}

TEST(GdiHandles, MovingHandsOverOwnership) {
  const long before = kv::gdi::LiveObjects();
  HBITMAP first = NewBitmap();
  HBITMAP second = NewBitmap();
  kv::Bitmap a(first);
  kv::Bitmap b(second);
  kv::Bitmap c(std::move(a));
  EXPECT_FALSE(a);
  EXPECT_EQ(c.get(), first);
  EXPECT_EQ(kv::gdi::LiveObjects(), before + 2);
  c = std::move(b);  // the bitmap c held goes
  EXPECT_EQ(GetObjectType(first), 0u);
  EXPECT_EQ(c.get(), second);
  EXPECT_EQ(kv::gdi::LiveObjects(), before + 1);
  c.reset();
  EXPECT_EQ(GetObjectType(second), 0u);
  EXPECT_EQ(kv::gdi::LiveObjects(), before);
}

TEST(GdiHandles, SelectionPutsThePreviousObjectBack) {
  const long before = kv::gdi::LiveObjects();
  {
    kv::MemoryDc dc(nullptr);
    ASSERT_TRUE(dc);
    const HGDIOBJ original = GetCurrentObject(dc.get(), OBJ_BITMAP);
    kv::Bitmap bitmap(NewBitmap());
    {
      kv::Selection selected(dc.get(), bitmap.get());
      ASSERT_TRUE(selected);
      EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BITMAP), bitmap.get());
      kv::Selection moved(std::move(selected));
      EXPECT_FALSE(selected);
      EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BITMAP), bitmap.get());
    }
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BITMAP), original);
    kv::Selection nothing(dc.get(), nullptr);
    EXPECT_FALSE(nothing);
    EXPECT_EQ(kv::gdi::LiveObjects(), before + 2);
  }
  EXPECT_EQ(kv::gdi::LiveObjects(), before);
}

TEST(SkinImage, HoldsTheBitmapInItsDcAndReleasesAll) {
  const long before = kv::gdi::LiveObjects();
  const std::string path = wintest::TempFolder() + "image.bmp";
  ASSERT_TRUE(wintest::WriteBitmap(path, 8, 6, RGB(10, 200, 30)));
  SkinImage image;
  ASSERT_TRUE(image.Load(path));
  ASSERT_NE(image.dc(), nullptr);
  EXPECT_EQ(GetPixel(image.dc(), 7, 5), RGB(10, 200, 30));
  BITMAP info{};
  GetObjectA(GetCurrentObject(image.dc(), OBJ_BITMAP), sizeof info, &info);
  EXPECT_EQ(info.bmWidth, 8);
  EXPECT_EQ(info.bmHeight, 6);
  EXPECT_EQ(kv::gdi::LiveObjects(), before + 2);  // the bitmap and its DC
  EXPECT_TRUE(image.Load(path));              // loading again replaces, never adds
  EXPECT_EQ(kv::gdi::LiveObjects(), before + 2);
  image.Release();
  EXPECT_EQ(image.dc(), nullptr);
  EXPECT_EQ(kv::gdi::LiveObjects(), before);

  ASSERT_TRUE(wintest::WriteFileText(wintest::TempFolder() + "bad.bmp", "BM not a bitmap"));
  EXPECT_FALSE(image.Load(wintest::TempFolder() + "bad.bmp"));
  EXPECT_FALSE(image.Load(wintest::TempFolder() + "missing.bmp"));
  EXPECT_EQ(image.dc(), nullptr);
  EXPECT_EQ(kv::gdi::LiveObjects(), before);
}

}  // namespace
}  // namespace vrx
