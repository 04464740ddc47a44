// The last page: what to start when the user finishes.
#include <windows.h>
#include <commctrl.h>

#include "auxui/kv_aux.h"
#include "host/kv_ini.h"
#include "host/settings.h"
#include "wizard/frame_win.h"
#include "wizard/page_rules.h"
#include "wizard/pages_win.h"
#include "wizard/resource_ids.h"

namespace wizard {
namespace {

constexpr int kPageIndex = 4;
constexpr char kFiltersSection[] = "KvFilters";
constexpr char kBlockSizeKey[] = "BlockSize";

void SetTexts(HWND page) {
  SetDlgItemTextA(page, IDC_FINISH_TEXT, Text(kFinishText));
  SetDlgItemTextA(page, IDC_OPEN_SETTINGS, Text(kOpenSettings));
  SetDlgItemTextA(page, IDC_LAUNCH, Text(kLaunch));
}

bool OnWindows95Family() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
}

void Finish(HWND page) {
  if (OnWindows95Family()) {
    if (const auto size = OldWindowsBlockSize(kv::ReadDword(kFiltersSection, kBlockSizeKey)))
      KvIniSetDword(kFiltersSection, kBlockSizeKey, *size);
  }
  if (IsDlgButtonChecked(page, IDC_OPEN_SETTINGS) == BST_CHECKED) StartProgram("KvSetup.exe", 's');
  if (IsDlgButtonChecked(page, IDC_LAUNCH) == BST_CHECKED) StartProgram("KvEngine.exe", 0);
}

}  // namespace

INT_PTR CALLBACK FinishPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      KvAuxTransparent(page, IDC_OPEN_SETTINGS);
      KvAuxTransparent(page, IDC_LAUNCH);
      SetTexts(page);
      CheckDlgButton(page, IDC_OPEN_SETTINGS, BST_CHECKED);
      CheckDlgButton(page, IDC_LAUNCH, BST_CHECKED);
      break;
    case WM_NOTIFY:
      switch (reinterpret_cast<const NMHDR*>(lParam)->code) {
        case PSN_SETACTIVE:
          SetTexts(page);
          break;
        case PSN_WIZFINISH:
          Finish(page);
          break;
        default:
          break;
      }
      break;
    default:
      break;
  }
  return PageTail(page, message, wParam, lParam, kPageIndex);
}

}  // namespace wizard
