#include "graphic/core/right_click_menu_win.h"

#include <cstring>
#include <string>

#include "graphic/core/command_line.h"
#include "graphic/core/launch_win.h"

namespace vrx {
namespace {

constexpr char kMenuMode = 'm';
constexpr unsigned long kMenuKind = 3;

struct MenuJob {
  HWND window;
  HMODULE self;  // keeps the module loaded while the thread runs
  char commandLine[1];  // the rest follows in the same allocation
};

DWORD WINAPI WaitForMenu(void* param) {
  auto* job = static_cast<MenuJob*>(param);
  const HWND window = job->window;
  const HMODULE self = job->self;
  const DWORD code = RunProgram(job->commandLine, true);
  HeapFree(GetProcessHeap(), 0, job);
  if (code != 0) PostMessageA(window, kRightClickResult, code, 0);
  // The host may unload the module while the menu is open.
  if (self) FreeLibraryAndExitThread(self, 0);
  return 0;
}

}  // namespace

bool StartRightClickMenu(HWND window, const char* moduleName, const char* argument) {
  // Built without a fixed buffer: the argument comes from the settings and
  // may be of any length.
  char head[32];
  wsprintfA(head, "%s %c %lu ", kHostProgram, kMenuMode, kMenuKind);
  std::string line(head);
  line.append(1, '"').append(moduleName).append("\" \"").append(argument).append(1, '"');
  auto* job = static_cast<MenuJob*>(HeapAlloc(GetProcessHeap(), 0, sizeof(MenuJob) + line.size()));
  if (!job) return false;
  job->window = window;
  job->self = nullptr;
  std::memcpy(job->commandLine, line.c_str(), line.size() + 1);
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(&WaitForMenu), &job->self);
  HANDLE thread = CreateThread(nullptr, 0, &WaitForMenu, job, 0, nullptr);
  if (!thread) {
    if (job->self) FreeLibrary(job->self);
    HeapFree(GetProcessHeap(), 0, job);
    return false;
  }
  CloseHandle(thread);
  return true;
}

}  // namespace vrx
