// KvGUI.exe: the program that hosts the player's graphic modules and shows
// their right-click menu.
//   KvGUI.exe p <module>       runs the module's Activate on this thread
//   KvGUI.exe m <n> "<name>" "<argument>"   a menu at the mouse; the exit
//                              code is the command chosen, 0 for none
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "host/kv_api.h"
#include "host/kv_lang.h"
#include "host/program_folder_win.h"
#include "host/records.h"
#include "host/win_handle.h"
#include "player/gui-host/command_line.h"

namespace {

enum ExitCode : int {
  kExitDone = 0,
  kExitUsage = 2,
  kExitNotLoaded = 3,
  kExitNotGraphic = 4,
};

enum MenuCommand : UINT {
  kMenuNone = 0,
  kMenuHelp = 1,
  kMenuClose = 2,
};

constexpr char kOwnerClass[] = "TavrinMenuOwner";

using GetInfoFn = ModuleInfo*(KV_CALL*)(ModuleInfo*);
using ActivateFn = void(KV_CALL*)();

class Menu {
 public:
  Menu() : menu_(CreatePopupMenu()) {}
  Menu(const Menu&) = delete;
  Menu& operator=(const Menu&) = delete;
  ~Menu() {
    if (menu_) DestroyMenu(menu_);
  }
  HMENU get() const { return menu_; }

 private:
  HMENU menu_;
};

class OwnerWindow {
 public:
  explicit OwnerWindow(HINSTANCE instance) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = instance;
    wc.lpszClassName = kOwnerClass;
    RegisterClassA(&wc);
    // A pop-up menu needs a foreground window of its own thread to close
    // when the user clicks elsewhere.
    hwnd_ = CreateWindowExA(WS_EX_TOOLWINDOW, kOwnerClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
  }
  OwnerWindow(const OwnerWindow&) = delete;
  OwnerWindow& operator=(const OwnerWindow&) = delete;
  ~OwnerWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
  }
  HWND get() const { return hwnd_; }

 private:
  HWND hwnd_ = nullptr;
};

std::vector<std::string> Arguments() {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::vector<std::string> args;
  for (int i = 1; argv && i < argc; ++i) {
    char text[1024] = {};
    WideCharToMultiByte(CP_ACP, 0, argv[i], -1, text, sizeof text - 1, nullptr, nullptr);
    args.emplace_back(text);
  }
  LocalFree(argv);
  return args;
}

int RunModule(const guihost::RunModule& run) {
  const std::string path = kv::ProgramFolder() + run.module;
  if (path.size() >= MAX_PATH) return kExitNotLoaded;
  const kv::Library library(LoadLibraryA(path.c_str()));
  const auto getInfo = library.Export<GetInfoFn>("GetInfo");
  if (!getInfo) return kExitNotLoaded;
  ModuleInfo info{-1, nullptr};
  if (getInfo(&info) != &info || info.kind != kModuleGraphic) return kExitNotGraphic;
  const auto activate = library.Export<ActivateFn>("Activate");
  if (!activate) return kExitNotLoaded;
  activate();
  return kExitDone;
}

int ShowMenu(HINSTANCE instance, const guihost::ShowMenu& request) {
  OwnerWindow owner(instance);
  Menu menu;
  if (!owner.get() || !menu.get()) return kMenuNone;
  if (!request.moduleName.empty()) {
    AppendMenuA(menu.get(), MF_STRING | MF_GRAYED, 0, request.moduleName.c_str());
    AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
  }
  AppendMenuA(menu.get(), MF_STRING, kMenuHelp, KvLangString("MENU_HELP", "&Help"));
  AppendMenuA(menu.get(), MF_STRING, kMenuClose, KvLangString("MENU_CLOSE", "&Close"));
  POINT at{};
  GetCursorPos(&at);
  SetForegroundWindow(owner.get());
  const UINT chosen = static_cast<UINT>(TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                                       at.x, at.y, 0, owner.get(), nullptr));
  PostMessageA(owner.get(), WM_NULL, 0, 0);  // lets the menu close cleanly
  return static_cast<int>(chosen);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const guihost::Command command = guihost::ParseCommand(Arguments());
  if (command.run) return RunModule(*command.run);
  if (command.menu) return ShowMenu(instance, *command.menu);
  return kExitUsage;
}
