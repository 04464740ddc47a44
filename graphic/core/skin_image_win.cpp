#include "graphic/core/skin_image_win.h"

namespace vrx {

bool SkinImage::Load(const std::string& bitmapPath) {
  Release();
  kv::Bitmap bitmap(static_cast<HBITMAP>(
      LoadImageA(nullptr, bitmapPath.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
  if (!bitmap) return false;
  kv::MemoryDc dc(nullptr);
  if (!dc) return false;
  kv::Selection selection(dc.get(), bitmap.get());
  if (!selection) return false;
  bitmap_ = std::move(bitmap);
  dc_ = std::move(dc);
  selection_ = std::move(selection);
  return true;
}

void SkinImage::Release() {
  selection_.reset();
  dc_.reset();
  bitmap_.reset();
}

}  // namespace vrx
