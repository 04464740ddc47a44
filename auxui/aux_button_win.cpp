// Bitmap push buttons over a painted dialog: a tinted normal picture, a hot
// picture while the mouse is over the button (tracked only while this
// thread owns the foreground window) or while it is checked, a faded
// picture when disabled; thin edges show hover, press and check.
#include <memory>
#include <string>

#include "auxui/kv_aux.h"
#include "auxui/skin_pixels.h"
#include "auxui/skinned_controls_win.h"
#include "host/no_throw.h"
#include "host/win_handle.h"

namespace {

constexpr int kUnknownPictureSize = 16;

// A resource name as the caller gave it: a number, or a copy of its text.
class ResourceName {
 public:
  explicit ResourceName(const char* name)
      : id_(IS_INTRESOURCE(name) ? name : nullptr), text_(IS_INTRESOURCE(name) || !name ? "" : name) {}
  const char* get() const { return id_ ? id_ : text_.c_str(); }

 private:
  const char* id_;
  std::string text_;
};

// A 32-bit top-down DIB section whose pixels the library edits.
struct Picture {
  kv::Bitmap bitmap;
  uint32_t* bits = nullptr;
  int width = 0;
  int height = 0;
  std::span<uint32_t> pixels() const { return {bits, size_t(width) * size_t(height)}; }
};

Picture BlankPicture(int width, int height) {
  Picture p;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  p.bitmap.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!p.bitmap) return {};
  p.bits = static_cast<uint32_t*>(bits);
  p.width = width;
  p.height = height;
  return p;
}

void Blit(HBITMAP target, HBITMAP source, int width, int height) {
  kv::MemoryDc to(nullptr), from(nullptr);
  const kv::Selection a(to.get(), target), b(from.get(), source);
  BitBlt(to.get(), 0, 0, width, height, from.get(), 0, 0, SRCCOPY);
  GdiFlush();
}

Picture LoadPicture(HINSTANCE module, const char* name) {
  const kv::Bitmap loaded(kvaux::LoadDib(module, name));
  BITMAP info{};
  if (!loaded || !GetObjectA(loaded.get(), sizeof info, &info)) return {};
  Picture p = BlankPicture(info.bmWidth, info.bmHeight);
  if (p.bitmap) Blit(p.bitmap.get(), loaded.get(), p.width, p.height);
  return p;
}

Picture CopyOf(const Picture& source) {
  Picture p = BlankPicture(source.width, source.height);
  if (p.bitmap) std::copy(source.pixels().begin(), source.pixels().end(), p.bits);
  return p;
}

Picture MaskOf(const Picture& picture) {
  Picture mask = BlankPicture(picture.width, picture.height);
  if (mask.bitmap) kvaux::MakeMask(picture.pixels(), mask.pixels());
  return mask;
}

struct AuxButton {
  HINSTANCE module = nullptr;
  ResourceName hotImageName;
  ResourceName normalImageName;
  Picture normalImage, hotImage, disabledImage, normalMask, hotMask;
  bool normalTried = false, hotTried = false, disabledTried = false;
  HWND button = nullptr;
  WNDPROC previous = nullptr;  // the procedure the control had
  bool captured = false;
  bool hover = false;
  bool pressed = false;

  AuxButton(HWND b, HINSTANCE m, const char* hot, const char* normal)
      : module(m), hotImageName(hot), normalImageName(normal), button(b) {}

  void PrepareNormal() {
    if (std::exchange(normalTried, true)) return;
    normalImage = LoadPicture(module, normalImageName.get());
    if (!normalImage.bitmap) return;
    normalMask = MaskOf(normalImage);
    kvaux::TintPicture(normalImage.pixels(), kvaux::SystemRamp());
  }
  void PrepareHot() {
    if (std::exchange(hotTried, true)) return;
    hotImage = LoadPicture(module, hotImageName.get());
    if (!hotImage.bitmap) return;
    hotMask = MaskOf(hotImage);
    kvaux::WhitenTransparent(hotImage.pixels());
  }
  void PrepareDisabled() {
    PrepareNormal();
    if (std::exchange(disabledTried, true) || !normalImage.bitmap) return;
    disabledImage = CopyOf(normalImage);
    if (disabledImage.bitmap) kvaux::FadeToFace(disabledImage.pixels(), normalMask.pixels(), GetSysColor(COLOR_BTNFACE));
  }

  void Paint() {
    const HWND dialog = GetParent(button);
    {
      const kv::WindowDc under(dialog);
      kvaux::EraseUnder(dialog, button, under.dc());
    }
    const bool checked = SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
    const kvaux::ButtonLook look = kvaux::LookOf(IsWindowEnabled(button), hover, pressed, checked);
    const Picture* picture = nullptr;
    const Picture* mask = nullptr;
    switch (look.picture) {
      case kvaux::ButtonPicture::kDisabled:
        PrepareDisabled();
        picture = &disabledImage, mask = &normalMask;
        break;
      case kvaux::ButtonPicture::kHot:
        PrepareHot();
        picture = &hotImage, mask = &hotMask;
        break;
      case kvaux::ButtonPicture::kNormal:
        PrepareNormal();
        picture = &normalImage, mask = &normalMask;
        break;
    }
    const kv::WindowDc dc(button);
    RECT client{};
    GetClientRect(button, &client);
    const int w = picture->bitmap ? picture->width : kUnknownPictureSize;
    const int h = picture->bitmap ? picture->height : kUnknownPictureSize;
    const int x = kvaux::CentredOffset(client.right, w), y = kvaux::CentredOffset(client.bottom, h);
    if (picture->bitmap && mask->bitmap) {
      kv::MemoryDc source(dc.dc());
      {
        const kv::Selection selected(source.get(), mask->bitmap.get());
        BitBlt(dc.dc(), x, y, w, h, source.get(), 0, 0, SRCPAINT);
      }
      const kv::Selection selected(source.get(), picture->bitmap.get());
      BitBlt(dc.dc(), x, y, w, h, source.get(), 0, 0, SRCAND);
    }
    if (look.edge == kvaux::ButtonEdge::kSunken)
      DrawEdge(dc.dc(), &client, BDR_SUNKENOUTER, BF_RECT);
    else if (look.edge == kvaux::ButtonEdge::kRaised)
      DrawEdge(dc.dc(), &client, BDR_RAISEDINNER, BF_RECT);
  }

  void MouseMoved(LPARAM lParam) {
    if (GetWindowThreadProcessId(GetForegroundWindow(), nullptr) != GetWindowThreadProcessId(button, nullptr))
      return;
    RECT client{};
    GetClientRect(button, &client);
    const int x = short(LOWORD(lParam)), y = short(HIWORD(lParam));
    const bool was = std::exchange(hover, x >= 0 && x < client.right && y >= 0 && y < client.bottom);
    if (!pressed) {
      if (!captured) {
        SetCapture(button);
        captured = true;
      } else if (!hover) {
        captured = false;
        ReleaseCapture();
      }
    }
    if (was != hover) Paint();
  }
};

// Each button's object, in a property of its own so the control's
// GWLP_USERDATA stays its owner's and a transparent control keeps its own.
constexpr char kButtonObject[] = "KvAuxButton";

AuxButton* ButtonOf(HWND control) { return static_cast<AuxButton*>(GetPropA(control, kButtonObject)); }

LRESULT CALLBACK ButtonProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  AuxButton* b = ButtonOf(control);
  if (b == nullptr) return DefWindowProcA(control, message, wParam, lParam);
  const WNDPROC previous = b->previous;
  if (message == WM_NCDESTROY) {
    // The control's own procedure gets its last message as its own.
    if (GetWindowLongPtrA(control, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&ButtonProc))
      SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    RemovePropA(control, kButtonObject);
    delete b;
    return CallWindowProcA(previous, control, message, wParam, lParam);
  }
  LRESULT result = 0;
  if (message != WM_PAINT) result = CallWindowProcA(previous, control, message, wParam, lParam);
  b = ButtonOf(control);  // the standard procedure may have destroyed it meanwhile
  if (b == nullptr) return result;
  switch (message) {
    case WM_PAINT:
      b->Paint();
      ValidateRect(control, nullptr);
      break;
    case WM_ENABLE:
    case BM_SETCHECK:
      b->Paint();
      break;
    case WM_KILLFOCUS:
      b->captured = b->hover = b->pressed = false;
      b->Paint();
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      b->captured = false;  // the standard procedure holds the capture now
      b->pressed = true;
      b->Paint();
      break;
    case WM_LBUTTONUP:
      b->pressed = false;
      b->Paint();
      break;
    case WM_MOUSEMOVE:
      b->MouseMoved(lParam);
      break;
    default:
      break;
  }
  return result;
}

}  // namespace

namespace kvaux {

RECT RectInDialog(HWND dialog, HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void EraseUnder(HWND dialog, HWND control, HDC dc) {
  const RECT r = RectInDialog(dialog, control);
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
  SendMessageA(dialog, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RestoreDC(dc, saved);
}

}  // namespace kvaux

KV_EXTERN_C KvBool KV_CALL KvAuxButton(HWND dialog, int control, HINSTANCE module, const char* hotImage,
                                       const char* normalImage) {
  return kv::NoThrow<KvBool>(0, [&]() -> KvBool {
    const HWND button = GetDlgItem(dialog, control);
    if (button == nullptr) return 0;
    auto b = std::make_unique<AuxButton>(button, module, hotImage, normalImage);
    // Made a bitmap button again: the new pictures replace the old.
    if (AuxButton* old = ButtonOf(button)) {
      b->previous = old->previous;
      SetPropA(button, kButtonObject, b.release());
      delete old;
      return 1;
    }
    b->previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(button, GWLP_WNDPROC));
    if (b->previous == nullptr || !SetPropA(button, kButtonObject, b.get())) return 0;
    SetLastError(0);
    if (SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ButtonProc)) == 0 && GetLastError() != 0) {
      RemovePropA(button, kButtonObject);
      return 0;
    }
    b.release();
    return 1;
  });
}
