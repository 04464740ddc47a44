// The first page: a welcome text with a bold heading in its own face, and
// the language of the whole suite, which takes effect at once.
#include <windows.h>
#include <richedit.h>

#include <string>

#include "auxui/kv_aux.h"
#include "host/kv_ini.h"
#include "host/kv_lang.h"
#include "host/program_folder_win.h"
#include "host/settings.h"
#include "host/win_handle.h"
#include "wizard/frame_win.h"
#include "wizard/pages_win.h"
#include "wizard/page_rules.h"
#include "wizard/resource_ids.h"

namespace wizard {
namespace {

constexpr char kLangSection[] = "KvLang";
constexpr char kLangKey[] = "FileName";
constexpr char kHeadingFace[] = "Times New Roman";
constexpr LONG kHeadingTwips = 300;
constexpr int kPageIndex = 0;


// The list entry of the language in use; empty for the default.
std::string g_language;

void SetWelcomeTexts(HWND page) {
  TextMark heading{};
  heading.kind = kMarkBold;
  KvAuxRESetText(page, IDC_WELCOME_TEXT, Text(kWelcome), &heading, 1);
  SetDlgItemTextA(page, IDC_LANGUAGE_PROMPT, Text(kLanguagePrompt));
  if (heading.length == 0) return;
  const HWND edit = GetDlgItem(page, IDC_WELCOME_TEXT);
  SendMessageA(edit, EM_SETSEL, heading.start, heading.start + heading.length);
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_FACE | CFM_SIZE;
  format.yHeight = kHeadingTwips;
  lstrcpynA(format.szFaceName, kHeadingFace, LF_FACESIZE);
  SendMessageA(edit, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(-1), 0);
}

void FillLanguages(HWND page) {
  const HWND list = GetDlgItem(page, IDC_LANGUAGE_LIST);
  const std::string folder = kv::ProgramFolder();
  WIN32_FIND_DATAA found{};
  const kv::FindHandle search(FindFirstFileA((folder + "*.lng").c_str(), &found));
  if (search) {
    do {
      const std::string name = LanguageName(found.cFileName);
      SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    } while (FindNextFileA(search.get(), &found));
  }
  SendMessageA(list, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(Text(kDefaultLanguage)));

  g_language.clear();
  if (const auto stored = kv::ReadString(kLangSection, kLangKey))
    if (const auto entry = StoredLanguageEntry(*stored)) {
      const LRESULT at = SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                      reinterpret_cast<LPARAM>(entry->c_str()));
      if (at > 0) g_language = *entry;
    }
  const LRESULT current = g_language.empty() ? 0
                                             : SendMessageA(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                            reinterpret_cast<LPARAM>(g_language.c_str()));
  SendMessageA(list, CB_SETCURSEL, current > 0 ? current : 0, 0);
}

void BringToFront() {
  const HWND sheet = Sheet();
  SetWindowPos(sheet, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(sheet);
  SetWindowPos(sheet, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void ChooseLanguage(HWND page) {
  const HWND list = GetDlgItem(page, IDC_LANGUAGE_LIST);
  const LRESULT at = SendMessageA(list, CB_GETCURSEL, 0, 0);
  if (at == CB_ERR) return;
  g_language.clear();
  std::string entry;
  if (at > 0) {
    entry.resize(static_cast<size_t>(SendMessageA(list, CB_GETLBTEXTLEN, at, 0)) + 1);
    entry.resize(static_cast<size_t>(SendMessageA(list, CB_GETLBTEXT, at, reinterpret_cast<LPARAM>(entry.data()))));
    g_language = entry;
  }
  const auto file = LanguageFileFor(static_cast<int>(at), entry);
  KvIniSetString(kLangSection, kLangKey, file ? file->c_str() : nullptr);
  KvLangReload();
  SetWelcomeTexts(page);
  RedrawWindow(Sheet(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  SetHeaderTexts();
}

}  // namespace

INT_PTR CALLBACK WelcomePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      const INT_PTR result = PageTail(page, message, wParam, lParam, kPageIndex);
      KvAuxRE(page, IDC_WELCOME_TEXT);
      SetWelcomeTexts(page);
      FillLanguages(page);
      BringToFront();
      return result;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDC_LANGUAGE_LIST && (HIWORD(wParam) == CBN_SELCHANGE || HIWORD(wParam) == CBN_CLOSEUP))
        ChooseLanguage(page);
      break;
    default:
      break;
  }
  return PageTail(page, message, wParam, lParam, kPageIndex);
}

}  // namespace wizard
