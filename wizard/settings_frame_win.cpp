#include "wizard/settings_frame_win.h"

#include "wizard/frame_win.h"
#include "wizard/resource_ids.h"

namespace wizard {
namespace {

// The one frame open at a time (the sheet is disabled while it is).
struct OpenFrame {
  SettingsProvider provider;
  HWND dialog = nullptr;  // the provider's dialog
  POINT corner{};         // the placeholder's top-left corner in the frame
  bool done = false;      // the frame is gone
  bool goOn = true;
};
OpenFrame g_open;

// The provider's procedure, after moving its dialog onto the placeholder.
INT_PTR CALLBACK ProviderProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG)
    SetWindowPos(dialog, nullptr, g_open.corner.x, g_open.corner.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return g_open.provider.dialogProc(dialog, message, wParam, lParam);
}

void SetUp(HWND frame, const char* title) {
  SetWindowTextA(frame, title);
  SetDlgItemTextA(frame, IDC_FRAME_NOTE, Text(kSettingsNote));
  SetDlgItemTextA(frame, IDOK, Text(kOk));
  SetDlgItemTextA(frame, IDCANCEL, Text(kCancel));
  if (const HWND place = GetDlgItem(frame, IDC_FRAME_PLACE)) {
    RECT r{};
    GetWindowRect(place, &r);
    g_open.corner = {r.left, r.top};
    ScreenToClient(frame, &g_open.corner);
    DestroyWindow(place);
  }
  g_open.dialog = CreateDialogParamA(g_open.provider.module, g_open.provider.dialogTemplate, frame, ProviderProc, 0);
  if (!g_open.dialog) return;
  // The frame's keyboard walks through the provider's controls as through its
  // own, whether or not the provider's template says DS_CONTROL.
  SetWindowLongPtrA(g_open.dialog, GWL_EXSTYLE,
                    GetWindowLongPtrA(g_open.dialog, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
  // A child template need not say WS_VISIBLE; the dialog is shown either way.
  ShowWindow(g_open.dialog, SW_SHOW);
}

// Gives the sheet back before the frame goes, so that it, not another
// program, becomes active again.
void Close(HWND frame, bool goOn) {
  g_open.goOn = goOn;
  EnableWindow(Sheet(), TRUE);
  DestroyWindow(frame);
}

INT_PTR CALLBACK FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetUp(frame, reinterpret_cast<const char*>(lParam));
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        if (g_open.provider.saveSettings) g_open.provider.saveSettings();
        Close(frame, true);
      } else if (LOWORD(wParam) == IDCANCEL) {
        Close(frame, false);
      }
      return TRUE;
    case WM_DESTROY:
      if (g_open.dialog) DestroyWindow(g_open.dialog);
      g_open.dialog = nullptr;
      g_open.done = true;
      // Wakes the loop should the frame go while it waits (its owner closing).
      PostMessageA(nullptr, WM_NULL, 0, 0);
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

bool ShowSettingsFrame(HWND page, const char* title, const SettingsProvider& provider) {
  g_open = OpenFrame{provider};
  const HWND frame = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SETTINGS_FRAME), page, FrameProc,
                                        reinterpret_cast<LPARAM>(title));
  if (!frame) return true;
  const HWND sheet = Sheet();
  EnableWindow(sheet, FALSE);
  ShowWindow(frame, SW_SHOW);
  MSG msg{};
  while (!g_open.done) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      // The program is ending: the sheet's own loop must see the quit too.
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      g_open.goOn = true;
      break;
    }
    // The frame, not the provider's dialog, takes the keyboard: Tab reaches
    // OK and Cancel, Enter and Escape answer the frame.
    if (IsDialogMessageA(frame, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  if (!g_open.done) DestroyWindow(frame);
  EnableWindow(sheet, TRUE);
  return g_open.goOn;
}

}  // namespace wizard
