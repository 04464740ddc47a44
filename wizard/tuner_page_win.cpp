// The tuner-card page: the built-in TV driver and every tuner module of the
// program folder, the stored choice restored, and the chosen driver's own
// settings shown in a frame before the user goes on.
#include <windows.h>

#include <memory>
#include <string>

#include "auxui/kv_aux.h"
#include "host/kv_ini.h"
#include "host/program_folder_win.h"
#include "host/settings.h"
#include "host/win_handle.h"
#include "wizard/frame_win.h"
#include "wizard/pages_win.h"
#include "wizard/resource_ids.h"
#include "wizard/settings_frame_win.h"
#include "wizard/tuner_module_win.h"
#include "wizard/tuner_rules.h"
#include "wizard/tv_driver_win.h"

namespace wizard {
namespace {

constexpr int kPageIndex = 2;
constexpr int kBuiltInPosition = 0;
constexpr char kHelpTopic[] = "tuner.html";
// Posted to the page when it refuses to go on; it then comes to the front.
constexpr UINT kBringForward = 0x10400;

// A tuner module in the list: loaded while the page lives.
struct TunerItem {
  kv::Library module;
  std::string path;
  ModuleInfoFn getInfo;
};

TextMark g_link{0, 0, kMarkLink};

// Loads a library without the system's boxes for a missing disk or a bad
// file; the previous error mode comes back at once.
kv::Library LoadQuietly(const std::string& name) {
  const UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS);
  kv::Library library(LoadLibraryA(name.c_str()));
  SetErrorMode(previous);
  return library;
}

// A module that names itself with null is shown by its file name.
std::string TitleOf(const TunerItem& item) {
  ModuleInfo info{};
  item.getInfo(&info);
  return info.name ? std::string(info.name) : FileNameOf(item.path);
}

TunerItem* ItemAt(HWND list, LRESULT position) {
  const LRESULT data = SendMessageA(list, CB_GETITEMDATA, position, 0);
  return data == CB_ERR ? nullptr : reinterpret_cast<TunerItem*>(data);
}

void AddIfTuner(HWND list, const std::string& path) {
  kv::Library module = LoadQuietly(path);
  const auto getInfo = module.Export<ModuleInfoFn>("GetInfo");
  if (!getInfo) return;
  ModuleInfo info{};
  getInfo(&info);
  if (info.kind != kModuleTuner) return;
  auto item = std::make_unique<TunerItem>(TunerItem{std::move(module), path, getInfo});
  const std::string title = TitleOf(*item);
  const LRESULT at = SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title.c_str()));
  if (at < 0) return;
  if (SendMessageA(list, CB_SETITEMDATA, at, reinterpret_cast<LPARAM>(item.get())) == CB_ERR) {
    SendMessageA(list, CB_DELETESTRING, at, 0);
    return;
  }
  item.release();  // the list holds it until the page goes
}

void FindTunerModules(HWND list) {
  const std::string folder = kv::ProgramFolder();
  WIN32_FIND_DATAA found{};
  const kv::FindHandle search(FindFirstFileA((folder + "*.dll").c_str(), &found));
  if (!search) return;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsDllName(found.cFileName))
      AddIfTuner(list, folder + found.cFileName);
  } while (FindNextFileA(search.get(), &found));
}

LRESULT StoredPosition(HWND list) {
  const auto stored = kv::ReadString(kTunerSection, kTunerKey);
  switch (StoredTunerKind(stored)) {
    case StoredTuner::kBuiltIn:
      return kBuiltInPosition;
    case StoredTuner::kModule:
      if (const HMODULE loaded = GetModuleHandleA(stored->c_str())) {
        const LRESULT count = SendMessageA(list, CB_GETCOUNT, 0, 0);
        for (LRESULT i = kBuiltInPosition + 1; i < count; ++i)
          if (const TunerItem* item = ItemAt(list, i); item && item->module.get() == loaded) return i;
      }
      return -1;
    case StoredTuner::kNone:
    default:
      return -1;
  }
}

void SetTexts(HWND page) {
  SetDlgItemTextA(page, IDC_TUNER_PROMPT, Text(kTunerPrompt));
  KvAuxRESetText(page, IDC_TUNER_TEXT, Text(kTunerText), &g_link, 1);
}

void SetUp(HWND page) {
  KvAuxTransparent(page, 0);
  KvAuxRE(page, IDC_TUNER_TEXT);
  SetTexts(page);
  const HWND list = GetDlgItem(page, IDC_TUNER_LIST);
  FindTunerModules(list);
  SendMessageA(list, CB_INSERTSTRING, kBuiltInPosition, reinterpret_cast<LPARAM>(kBuiltInDriverName));
  SendMessageA(list, CB_SETCURSEL, StoredPosition(list), 0);
}

void FreeModules(HWND page) {
  const HWND list = GetDlgItem(page, IDC_TUNER_LIST);
  const LRESULT count = SendMessageA(list, CB_GETCOUNT, 0, 0);
  for (LRESULT i = kBuiltInPosition + 1; i < count; ++i) {
    delete ItemAt(list, i);
    SendMessageA(list, CB_SETITEMDATA, i, 0);
  }
}

// Stores the module's file name and shows its companion's settings, if it
// has any. True to go on.
bool LeaveForModule(HWND page, const TunerItem& item) {
  const std::string title = TitleOf(item);
  const std::string fileName = FileNameOf(item.path);
  KvIniSetString(kTunerSection, kTunerKey, fileName.c_str());
  const auto companionName = CompanionName(fileName);
  if (!companionName) return true;
  const kv::Library companion = LoadQuietly(*companionName);
  const auto getInfo = companion.Export<SettingsInfoFn>("GetInfo");
  if (!getInfo) return true;
  TunerSettingsInfo settings{};
  getInfo(&settings);
  if (!settings.dialogTemplate || !settings.dialogProc) return true;
  return ShowSettingsFrame(page, title.c_str(),
                           {companion.get(), settings.dialogTemplate, settings.dialogProc, settings.saveSettings});
}

// What leaving forward stores and shows; true to go on.
bool Leave(HWND page) {
  const HWND list = GetDlgItem(page, IDC_TUNER_LIST);
  const LRESULT at = SendMessageA(list, CB_GETCURSEL, 0, 0);
  if (at == CB_ERR) {
    KvIniSetString(kTunerSection, kTunerKey, nullptr);
    return true;
  }
  if (at == kBuiltInPosition) {
    KvIniSetString(kTunerSection, kTunerKey, kBuiltInChoice);
    return ShowSettingsFrame(
        page, kBuiltInDriverName,
        {GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TVDRIVER), TvDriverProc, SaveTvDriver});
  }
  const TunerItem* item = ItemAt(list, at);
  return item ? LeaveForModule(page, *item) : true;
}

}  // namespace

INT_PTR CALLBACK TunerPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      SetUp(page);
      break;
    case WM_DESTROY:
      FreeModules(page);
      break;
    case kBringForward:
      SetForegroundWindow(GetAncestor(page, GA_ROOT));
      break;
    case WM_NOTIFY:
      if (IsLinkClick(lParam, IDC_TUNER_TEXT, g_link)) OpenHelp(kHelpTopic);
      switch (reinterpret_cast<const NMHDR*>(lParam)->code) {
        case PSN_SETACTIVE:
          SetTexts(page);
          break;
        case PSN_WIZNEXT:
          if (!Leave(page)) {
            PageTail(page, message, wParam, lParam, kPageIndex);
            SetWindowLongPtrA(page, DWLP_MSGRESULT, -1);
            PostMessageA(page, kBringForward, 0, 0);
            return TRUE;
          }
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
