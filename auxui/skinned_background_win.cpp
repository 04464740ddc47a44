// Tinted dialog backgrounds: the palette of an 8-bit picture mapped onto the
// button-face colour, painted centred over the face at every erase.
#include "auxui/kv_aux.h"
#include "auxui/skin_pixels.h"
#include "auxui/skinned_controls_win.h"
#include "host/win_handle.h"

namespace kvaux {

ColourRamp SystemRamp() { return MakeColourRamp(GetSysColor(COLOR_BTNFACE)); }

HBITMAP LoadDib(HINSTANCE module, const char* resource) {
  return static_cast<HBITMAP>(
      LoadImageA(module, resource, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION | LR_DEFAULTSIZE));
}

}  // namespace kvaux

namespace {

constexpr int kMaxPaletteBits = 8;

void TintPalette(HBITMAP bitmap, int bits) {
  const UINT entries = 1u << bits;
  RGBQUAD table[1u << kMaxPaletteBits];
  kv::MemoryDc dc(nullptr);
  const kv::Selection selected(dc.get(), bitmap);
  if (!selected || GetDIBColorTable(dc.get(), 0, entries, table) != entries) return;
  const kvaux::ColourRamp ramp = kvaux::SystemRamp();
  for (UINT i = 0; i < entries; ++i) {
    const kvaux::Colour c = ramp[table[i].rgbRed];
    table[i] = RGBQUAD{BYTE(kvaux::BlueOf(c)), BYTE(kvaux::GreenOf(c)), BYTE(kvaux::RedOf(c)), 0};
  }
  SetDIBColorTable(dc.get(), 0, entries, table);
}

}  // namespace

KV_EXTERN_C HBITMAP KV_CALL KvAuxBackground(HINSTANCE module, const char* resource) {
  const HBITMAP bitmap = kvaux::LoadDib(module, resource);
  if (bitmap == nullptr) return nullptr;
  BITMAP info{};
  if (GetObjectA(bitmap, sizeof info, &info) != sizeof info) return bitmap;
  const int bits = info.bmPlanes * info.bmBitsPixel;
  if (bits <= kMaxPaletteBits) TintPalette(bitmap, bits);
  return bitmap;
}

KV_EXTERN_C INT_PTR KV_CALL KvAuxDlgProc(HWND dialog, UINT message, WPARAM wParam, DialogBackground* background) {
  switch (message) {
    case WM_INITDIALOG: {
      BITMAP info{};
      if (background && background->bitmap && GetObjectA(background->bitmap, sizeof info, &info)) {
        background->width = info.bmWidth;
        background->height = info.bmHeight;
      }
      return 1;
    }
    case WM_ERASEBKGND: {
      const HDC dc = reinterpret_cast<HDC>(wParam);
      RECT client{};
      GetClientRect(dialog, &client);
      FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
      if (background && background->bitmap) {
        kv::MemoryDc source(dc);
        const kv::Selection picture(source.get(), background->bitmap);
        BitBlt(dc, kvaux::CentredOffset(client.right, background->width),
               kvaux::CentredOffset(client.bottom, background->height), background->width, background->height,
               source.get(), 0, 0, SRCCOPY);
      }
      return 1;
    }
    case WM_DESTROY:
      if (background && background->bitmap) {
        DeleteObject(background->bitmap);
        background->bitmap = nullptr;
      }
      return 0;
    default:
      return 0;
  }
}
