#include "tests/support/windows_found.h"

#include "tests/support/wait.h"

namespace wintest {
namespace {

struct Search {
  DWORD processId;  // 0: any
  const char* className;
  bool visibleOnly;
  HWND found;
};

BOOL CALLBACK Match(HWND window, LPARAM param) {
  auto* s = reinterpret_cast<Search*>(param);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if ((s->processId && process != s->processId) || (s->visibleOnly && !IsWindowVisible(window)) ||
      (s->className && ClassName(window) != s->className))
    return TRUE;
  s->found = window;
  return FALSE;
}

BOOL CALLBACK CollectStatic(HWND child, LPARAM param) {
  if (lstrcmpiA(ClassName(child).c_str(), "Static") == 0) *reinterpret_cast<std::string*>(param) += WindowText(child);
  return TRUE;
}

}  // namespace

HWND ThreadWindow(DWORD threadId, const char* className, bool visibleOnly) {
  Search s{0, className, visibleOnly, nullptr};
  if (threadId) EnumThreadWindows(threadId, Match, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

HWND ProcessWindow(DWORD processId, const char* className, bool visibleOnly) {
  Search s{processId, className, visibleOnly, nullptr};
  EnumWindows(Match, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

std::string WindowText(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string ClassName(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string MessageBoxContent(HWND box) {
  std::string texts;
  EnumChildWindows(box, CollectStatic, reinterpret_cast<LPARAM>(&texts));
  return WindowText(box) + "|" + texts;
}

bool CloseMessageBox(HWND box) {
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  return WaitUntil([&] { return !IsWindow(box); });
}

}  // namespace wintest
