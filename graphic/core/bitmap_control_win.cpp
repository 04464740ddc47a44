#include "graphic/core/bitmap_control_win.h"

#include "graphic/core/bitmap_hit.h"
#include "host/win_handle.h"

namespace vrx {

void DrawSkinImage(HDC dc, HDC skin, int w, int h, int ix, int iy, const std::optional<POINT>& mask) {
  if (!mask) {
    BitBlt(dc, 0, 0, w, h, skin, ix, iy, SRCCOPY);
    return;
  }
  // The work bitmap is made first: without it the background stays as it
  // was rather than half combined with the mask.
  kv::MemoryDc work(dc);
  kv::Bitmap picture(CreateCompatibleBitmap(dc, w, h));
  if (!work || !picture) return;
  kv::Selection selected(work.get(), picture.get());
  DrawSkinImage(dc, skin, work.get(), w, h, ix, iy, *mask);
}

void DrawSkinImage(HDC dc, HDC skin, HDC work, int w, int h, int ix, int iy, POINT mask) {
  // Background OR mask leaves white where the image goes; image OR NOT mask
  // leaves white around the image; AND of the two puts the image in.
  BitBlt(dc, 0, 0, w, h, skin, mask.x, mask.y, SRCPAINT);
  BitBlt(work, 0, 0, w, h, skin, ix, iy, SRCCOPY);
  BitBlt(work, 0, 0, w, h, skin, mask.x, mask.y, MERGEPAINT);
  BitBlt(dc, 0, 0, w, h, work, 0, 0, SRCAND);
}

bool HitSkinImage(HDC skin, POINT p, int w, int h, const std::optional<POINT>& mask) {
  std::optional<Point> at;
  if (mask) at = Point{mask->x, mask->y};
  return HitBitmapControl(Point{p.x, p.y}, w, h, at, [skin](int32_t x, int32_t y) { return SkinRedAt(skin, x, y); });
}

uint8_t SkinRedAt(HDC skin, int32_t x, int32_t y) {
  const COLORREF c = GetPixel(skin, x, y);
  return c == CLR_INVALID ? 0 : GetRValue(c);
}

void ShowHandCursor() {
  HCURSOR hand = LoadCursor(nullptr, IDC_HAND);
  SetCursor(hand ? hand : LoadCursor(nullptr, IDC_ARROW));
}

}  // namespace vrx
