#include "tests/gui/module_thread.h"

#include <cstring>

#include "host/engine_messages.h"

namespace gui {
namespace {

// The hook runs on the module's thread; one module thread runs at a time.
ModuleThread* g_watched = nullptr;
HHOOK g_hook = nullptr;

struct FindArgs {
  const char* className;
  bool visibleOnly;
  HWND found;
};

BOOL CALLBACK FindWindowOfClass(HWND hwnd, LPARAM param) {
  auto* args = reinterpret_cast<FindArgs*>(param);
  char name[256] = {};
  GetClassNameA(hwnd, name, sizeof name);
  if ((!args->visibleOnly || IsWindowVisible(hwnd)) && (!args->className || std::strcmp(name, args->className) == 0)) {
    args->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND ThreadWindow(DWORD threadId, const char* className, bool visibleOnly) {
  FindArgs args{className, visibleOnly, nullptr};
  EnumThreadWindows(threadId, &FindWindowOfClass, reinterpret_cast<LPARAM>(&args));
  return args.found;
}

ModuleThread::ModuleThread(const char* dll) {
  dll_ = LoadLibraryA(dll);
  if (dll_) entry_ = reinterpret_cast<Entry>(GetProcAddress(dll_, "Activate"));
  if (entry_) Start();
}

ModuleThread::ModuleThread(Entry entry) : entry_(entry) { Start(); }

void ModuleThread::Start() {
  lastTaken_ = GetTickCount();
  thread_ = CreateThread(nullptr, 0, &ModuleThread::Run, this, 0, &threadId_);
}

ModuleThread::~ModuleThread() {
  if (thread_) {
    if (!Finished()) Close();
    if (!Finished(5000)) TerminateThread(thread_, 1);  // leave no thread behind a failed test
    CloseHandle(thread_);
  }
  if (dll_) FreeLibrary(dll_);
}

DWORD WINAPI ModuleThread::Run(void* param) {
  auto* self = static_cast<ModuleThread*>(param);
  g_watched = self;
  g_hook = SetWindowsHookExA(WH_GETMESSAGE, &ModuleThread::Hook, nullptr, GetCurrentThreadId());
  self->entry_();
  if (g_hook) UnhookWindowsHookEx(g_hook);
  g_hook = nullptr;
  g_watched = nullptr;
  return 0;
}

LRESULT CALLBACK ModuleThread::Hook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == PM_REMOVE && g_watched) {
    ++g_watched->taken_;
    g_watched->lastTaken_ = GetTickCount();
  }
  return CallNextHookEx(g_hook, code, wParam, lParam);
}

HWND ModuleThread::WaitWindow(const char* className, DWORD timeoutMs) const {
  const DWORD start = GetTickCount();
  for (;;) {
    if (HWND w = ThreadWindow(threadId_, className)) return w;
    if (Finished() || GetTickCount() - start > timeoutMs) return nullptr;
    Sleep(10);
  }
}

bool ModuleThread::WaitIdle(DWORD quietMs, DWORD timeoutMs) const {
  const DWORD start = GetTickCount();
  for (;;) {
    if (Finished()) return true;
    // A sent message is answered only when the thread is back in its loop.
    if (HWND w = ThreadWindow(threadId_, nullptr)) {
      DWORD_PTR ignored = 0;
      SendMessageTimeoutA(w, WM_NULL, 0, 0, SMTO_BLOCK, timeoutMs, &ignored);
    }
    if (GetTickCount() - lastTaken_.load() >= quietMs) return true;
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(10);
  }
}

bool ModuleThread::Finished(DWORD timeoutMs) const {
  return !thread_ || WaitForSingleObject(thread_, timeoutMs) == WAIT_OBJECT_0;
}

bool ModuleThread::Close(DWORD timeoutMs) {
  if (Finished()) return true;
  PostThreadMessageA(threadId_, engine::kCloseModule, 0, 0);
  return Finished(timeoutMs);
}

}  // namespace gui
