// Statics and check boxes that show the dialog's painted background through
// them. The dialog answers their WM_CTLCOLORSTATIC with a null brush; a
// static repaints its text over a fresh copy of the background, the
// button-face colour being its transparent colour.
#include <vector>

#include "auxui/kv_aux.h"
#include "auxui/skinned_controls_win.h"
#include "host/win_handle.h"

namespace {

constexpr int kClassNameChars = 16;

// The procedure each subclassed window had, in a property of its own so the
// window's GWLP_USERDATA stays its owner's and a bitmap button keeps its own.
constexpr char kStoredProc[] = "KvAuxTransparentProc";

WNDPROC StoredProc(HWND window) { return reinterpret_cast<WNDPROC>(GetPropA(window, kStoredProc)); }

// The last message goes to the window's own procedure as its window
// procedure again, so its cleanup (a dialog's font) runs.
LRESULT CallStored(HWND window, WNDPROC self, UINT message, WPARAM wParam, LPARAM lParam) {
  const WNDPROC stored = StoredProc(window);
  if (message == WM_NCDESTROY) {
    if (stored && GetWindowLongPtrA(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(self))
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(stored));
    RemovePropA(window, kStoredProc);
  }
  return stored ? CallWindowProcA(stored, window, message, wParam, lParam)
                : DefWindowProcA(window, message, wParam, lParam);
}

// "Static", "Button", or empty when the class cannot be read.
bool ClassIs(HWND window, const char* name) {
  char text[kClassNameChars + 1] = {};
  return GetClassNameA(window, text, sizeof text) > 0 && lstrcmpiA(text, name) == 0;
}
bool ClassUnreadable(HWND window) {
  char text[kClassNameChars + 1] = {};
  return GetClassNameA(window, text, sizeof text) == 0;
}

// Draws the dialog's background again under a control, and the control over it.
void RedrawUnder(HWND control) {
  const HWND dialog = GetParent(control);
  const RECT r = kvaux::RectInDialog(dialog, control);
  RedrawWindow(dialog, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

LRESULT CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallStored(dialog, &DialogProc, message, wParam, lParam);
  if (message == WM_CTLCOLORSTATIC) {
    const auto control = reinterpret_cast<HWND>(lParam);
    if (ClassIs(control, "Static") || ClassIs(control, "Button") || ClassUnreadable(control)) {
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
  }
  return result;
}

LRESULT CALLBACK CheckBoxProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallStored(control, &CheckBoxProc, message, wParam, lParam);
  if (message == WM_ENABLE) RedrawUnder(control);
  return result;
}

// After the static painted its text: the background of the dialog under the
// update rectangle, with every pixel of the text that is not the face colour.
void PaintOverBackground(HWND control, const RECT& update) {
  const HWND dialog = GetParent(control);
  RECT client{};
  GetClientRect(dialog, &client);
  const RECT place = kvaux::RectInDialog(dialog, control);
  const kv::WindowDc shown(control);
  kv::MemoryDc memory(shown.dc());
  const kv::Bitmap canvas(CreateCompatibleBitmap(shown.dc(), client.right, client.bottom));
  const kv::Selection selected(memory.get(), canvas.get());
  if (!selected) return;
  SendMessageA(dialog, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory.get()), 0);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  for (int y = update.top; y < update.bottom; ++y)
    for (int x = update.left; x < update.right; ++x) {
      const COLORREF c = GetPixel(shown.dc(), x, y);
      if (c != face && c != CLR_INVALID) SetPixel(memory.get(), x + place.left, y + place.top, c);
    }
  BitBlt(shown.dc(), update.left, update.top, update.right - update.left, update.bottom - update.top, memory.get(),
         update.left + place.left, update.top + place.top, SRCCOPY);
}

LRESULT CALLBACK StaticProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    RECT update{};
    const bool any = GetUpdateRect(control, &update, FALSE);
    const LRESULT result = CallStored(control, &StaticProc, message, wParam, lParam);
    if (any) PaintOverBackground(control, update);
    return result;
  }
  const LRESULT result = CallStored(control, &StaticProc, message, wParam, lParam);
  if (message == WM_SETTEXT) RedrawUnder(control);
  return result;
}

void Subclass(HWND window, WNDPROC proc) {
  // Ours already: storing ourselves, or what subclassed us since, as the
  // procedure to call would loop.
  if (StoredProc(window) != nullptr) return;
  const LONG_PTR current = GetWindowLongPtrA(window, GWLP_WNDPROC);
  if (current == 0 || !SetPropA(window, kStoredProc, reinterpret_cast<HANDLE>(current))) return;
  SetLastError(0);
  if (SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)) == 0 && GetLastError() != 0)
    RemovePropA(window, kStoredProc);
}

}  // namespace

KV_EXTERN_C KvBool KV_CALL KvAuxTransparent(HWND dialog, int control) {
  Subclass(dialog, &DialogProc);
  const HWND window = control ? GetDlgItem(dialog, control) : nullptr;
  if (window == nullptr) return 1;
  Subclass(window, ClassIs(window, "Button") ? &CheckBoxProc : &StaticProc);
  return 1;
}
