// A rich-edit control turned into a read-only label: it never keeps the
// focus and shows the arrow instead of the I-beam.
#include <windows.h>
#include <richedit.h>

#include "auxui/kv_aux.h"

namespace {

// Each control keeps the procedure it had, so controls of different rich-edit
// classes can be labels side by side.
constexpr char kPreviousProc[] = "KvAuxLabelProc";

LRESULT CALLBACK LabelProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto previous = reinterpret_cast<WNDPROC>(GetPropA(control, kPreviousProc));
  if (message == WM_SETFOCUS) {
    SetFocus(reinterpret_cast<HWND>(wParam));  // back to the window that had it
    return 0;
  }
  if (previous == nullptr) return DefWindowProcA(control, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    RemovePropA(control, kPreviousProc);
    return CallWindowProcA(previous, control, message, wParam, lParam);
  }
  const LRESULT result = CallWindowProcA(previous, control, message, wParam, lParam);
  if (message == WM_SETCURSOR && GetCursor() == LoadCursor(nullptr, IDC_IBEAM))
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
  return result;
}

}  // namespace

KV_EXTERN_C KvBool KV_CALL KvAuxRE(HWND dialog, int control) {
  const HWND edit = GetDlgItem(dialog, control);
  if (edit == nullptr) return 0;
  SendMessageA(edit, EM_SETTARGETDEVICE, 0, 0);  // wrap at the window's width
  SetWindowLongA(edit, GWL_STYLE, GetWindowLongA(edit, GWL_STYLE) & ~WS_TABSTOP);
  SendMessageA(edit, EM_SETEVENTMASK, 0, ENM_LINK);

  // Already a label: the procedure stored at the first call stays. Whatever
  // subclassed the control since then calls ours in turn, so storing it as
  // ours to call would make the two call each other without end.
  if (GetPropA(edit, kPreviousProc) != nullptr) return 1;
  const LONG_PTR current = GetWindowLongPtrA(edit, GWLP_WNDPROC);
  if (current == 0 || !SetPropA(edit, kPreviousProc, reinterpret_cast<HANDLE>(current))) return 0;
  SetLastError(0);
  if (SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LabelProc)) == 0 && GetLastError() != 0) {
    RemovePropA(edit, kPreviousProc);
    return 0;
  }
  return 1;
}
