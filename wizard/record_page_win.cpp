// The folder for recordings: its free space, a browse dialog, and the record
// name stored when the user goes on.
#include <windows.h>
#include <shlobj.h>

#include <string>

#include "auxui/kv_aux.h"
#include "host/fill_text.h"
#include "host/kv_ini.h"
#include "host/settings.h"
#include "host/win_handle.h"
#include "wizard/frame_win.h"
#include "wizard/page_rules.h"
#include "wizard/pages_win.h"
#include "wizard/resource_ids.h"

namespace wizard {
namespace {

constexpr char kSaveSection[] = "KvSave";
constexpr char kNameKey[] = "FileName";
constexpr char kFormatKey[] = "Format";
constexpr int kFolderChars = 260;
constexpr int kPageIndex = 3;

FreeSpaceRule g_freeSpace;

std::string FieldText(HWND page) {
  char text[kFolderChars] = {};
  GetDlgItemTextA(page, IDC_FOLDER, text, kFolderChars);
  return text;
}

void UpdateFreeSpace(HWND page) {
  const std::string field = FieldText(page);
  if (!g_freeSpace.Changed(field)) return;
  ULARGE_INTEGER available{};
  unsigned long megabytes = 0;
  if (IsDrivePath(field) && GetDiskFreeSpaceExA(field.c_str(), &available, nullptr, nullptr))
    megabytes = MegabytesOf(available.QuadPart);
  SetDlgItemTextA(page, IDC_FREE_SPACE, kv::WithNumber(Text(kFreeSpace), megabytes).c_str());
}

void SetTexts(HWND page) {
  SetDlgItemTextA(page, IDC_FOLDER_TEXT, Text(kFolderText));
  SetDlgItemTextA(page, IDC_BROWSE, Text(kBrowse));
  SetDlgItemTextA(page, IDC_FOLDER_NOTE, Text(kFolderNote));
}

struct ShellItemTraits {
  using Handle = LPITEMIDLIST;
  static constexpr Handle Null() { return nullptr; }
  static bool Valid(Handle h) { return h != nullptr; }
  static void Release(Handle h) { CoTaskMemFree(h); }
};

void Browse(HWND page) {
  BROWSEINFOA info{};
  info.hwndOwner = page;
  info.lpszTitle = Text(kSelectFolder);
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS;
  const kv::Owner<ShellItemTraits> chosen(SHBrowseForFolderA(&info));
  char path[MAX_PATH] = {};
  if (chosen && SHGetPathFromIDListA(chosen.get(), path)) SetDlgItemTextA(page, IDC_FOLDER, path);
}

void StoreFolder(HWND page) {
  const auto name = RecordNameFor(FieldText(page), kv::ReadDword(kSaveSection, kFormatKey, 0),
                                  kv::ReadString(kSaveSection, kNameKey));
  if (name) KvIniSetString(kSaveSection, kNameKey, name->c_str());
}

}  // namespace

INT_PTR CALLBACK RecordPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      KvAuxTransparent(page, IDC_FREE_SPACE);
      KvAuxTransparent(page, IDC_BROWSE);
      SetTexts(page);
      SendDlgItemMessageA(page, IDC_FOLDER, EM_LIMITTEXT, kFolderChars, 0);
      if (const auto stored = kv::ReadString(kSaveSection, kNameKey))
        SetDlgItemTextA(page, IDC_FOLDER, FolderOf(*stored).c_str());
      UpdateFreeSpace(page);
      break;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_FOLDER && HIWORD(wParam) == EN_CHANGE) UpdateFreeSpace(page);
      if (LOWORD(wParam) == IDC_BROWSE) Browse(page);
      break;
    case WM_NOTIFY:
      switch (reinterpret_cast<const NMHDR*>(lParam)->code) {
        case PSN_SETACTIVE:
          SetTexts(page);
          break;
        case PSN_WIZNEXT:
          StoreFolder(page);
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
