#include "tests/support/module_thread.h"

#include <cstdio>
#include <map>
#include <mutex>

#include "host/engine_messages.h"
#include "tests/support/wait.h"
#include "tests/support/windows_found.h"

namespace wintest {
namespace {

// What is still queued when the thread takes a probe. Timers are left out:
// a running timer is the module's own business, not work left over.
constexpr UINT kBusy = QS_INPUT | QS_POSTMESSAGE | QS_PAINT | QS_SENDMESSAGE;

UINT ProbeMessage() {
  static const UINT message = RegisterWindowMessageA("TavrinTestIdleProbe");
  return message;
}

UINT CallMessage() {
  static const UINT message = RegisterWindowMessageA("TavrinTestCall");
  return message;
}

}  // namespace

// The WH_GETMESSAGE hook of every module thread; it runs on that thread.
struct ModuleHook {
  static std::mutex mutex;
  static std::map<DWORD, std::pair<ModuleThread*, HHOOK>> threads;

  static std::pair<ModuleThread*, HHOOK> Current() {
    std::lock_guard<std::mutex> lock(mutex);
    const auto it = threads.find(GetCurrentThreadId());
    return it == threads.end() ? std::pair<ModuleThread*, HHOOK>{} : it->second;
  }

  static LRESULT CALLBACK Proc(int code, WPARAM removal, LPARAM lParam) {
    const auto [self, hook] = Current();
    auto* msg = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && removal == PM_REMOVE && self && msg->hwnd != nullptr && msg->message == WM_TIMER)
      ++self->timerMessages_;
    if (code == HC_ACTION && removal == PM_REMOVE && self && msg->hwnd == nullptr) {
      if (msg->message == ProbeMessage()) {
        const long probe = static_cast<long>(msg->wParam);
        if (msg->lParam > 0 && !self->restTimer_) {
          self->restTimer_ = SetTimer(nullptr, 0, static_cast<UINT>(msg->lParam), nullptr);
          self->restProbe_ = probe;
        }
        if (HIWORD(GetQueueStatus(kBusy)) == 0 && probe > self->idleAt_) self->idleAt_ = probe;
        if (probe > self->taken_) self->taken_ = probe;
        msg->message = WM_NULL;  // nothing for the module's own loop
      } else if (msg->message == CallMessage()) {
        reinterpret_cast<void (*)(void*)>(msg->wParam)(reinterpret_cast<void*>(msg->lParam));
        ++self->callsDone_;
        msg->message = WM_NULL;
      } else if (msg->message == WM_TIMER && self->restTimer_ && msg->wParam == self->restTimer_) {
        KillTimer(nullptr, self->restTimer_);
        self->restTimer_ = 0;
        self->restedAt_ = self->restProbe_;
        msg->message = WM_NULL;
      }
    }
    return CallNextHookEx(hook, code, removal, lParam);
  }
};
std::mutex ModuleHook::mutex;
std::map<DWORD, std::pair<ModuleThread*, HHOOK>> ModuleHook::threads;

ModuleThread::ModuleThread(const char* dll) {
  dll_ = LoadLibraryA(dll);
  if (dll_) entry_ = reinterpret_cast<Entry>(GetProcAddress(dll_, "Activate"));
  if (entry_) Start();
}

ModuleThread::ModuleThread(Entry entry) : entry_(entry) { Start(); }

void ModuleThread::Start() {
  ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  thread_ = CreateThread(nullptr, 0, &ModuleThread::Run, this, 0, &threadId_);
  if (thread_) WaitForSingleObject(ready_, kThreadWaitMs);
}

ModuleThread::~ModuleThread() {
  if (thread_) {
    if (!Close(kThreadWaitMs)) {
      TerminateThread(thread_, 1);  // leave no thread behind a failed test
      dll_ = nullptr;
    }
    CloseHandle(thread_);
  }
  if (ready_) CloseHandle(ready_);
  if (dll_) FreeLibrary(dll_);
}

DWORD WINAPI ModuleThread::Run(void* param) {
  auto* self = static_cast<ModuleThread*>(param);
  MSG msg;
  PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the queue exists before anyone posts
  const HHOOK hook = SetWindowsHookExA(WH_GETMESSAGE, &ModuleHook::Proc, nullptr, GetCurrentThreadId());
  {
    std::lock_guard<std::mutex> lock(ModuleHook::mutex);
    ModuleHook::threads[GetCurrentThreadId()] = {self, hook};
  }
  SetEvent(self->ready_);
  self->entry_();
  {
    std::lock_guard<std::mutex> lock(ModuleHook::mutex);
    ModuleHook::threads.erase(GetCurrentThreadId());
  }
  if (hook) UnhookWindowsHookEx(hook);
  return 0;
}

bool ModuleThread::Probe(LPARAM rest, DWORD timeoutMs, long& probe) const {
  {
    // Numbered and posted in one step, so that the thread takes them in
    // number order whoever posts them.
    std::lock_guard<std::mutex> lock(posting_);
    probe = ++probes_;
    if (!PostThreadMessageA(threadId_, ProbeMessage(), static_cast<WPARAM>(probe), rest)) {
      probe = 0;
      return Finished();
    }
  }
  return WaitUntil([&] { return taken_ >= probe || Finished(); }, timeoutMs);
}

bool ModuleThread::OnThread(void (*fn)(void*), void* arg, DWORD timeoutMs) const {
  const long call = ++calls_;
  if (!PostThreadMessageA(threadId_, CallMessage(), reinterpret_cast<WPARAM>(fn), reinterpret_cast<LPARAM>(arg)))
    return false;
  return WaitUntil([&] { return callsDone_ >= call || Finished(); }, timeoutMs) && callsDone_ >= call;
}

bool ModuleThread::WaitIdle(DWORD timeoutMs) const {
  const DWORD start = GetTickCount();
  for (;;) {
    if (Finished()) return true;
    long probe = 0;
    if (!Probe(0, timeoutMs, probe)) return false;
    if (idleAt_ >= probe) return true;
    if (GetTickCount() - start > timeoutMs) return false;
  }
}

bool ModuleThread::WaitRest(DWORD ms, DWORD timeoutMs) const {
  long probe = 0;
  return Probe(static_cast<LPARAM>(ms), timeoutMs, probe) &&
         WaitUntil([&] { return restedAt_ >= probe || Finished(); }, ms + timeoutMs) && WaitIdle(timeoutMs);
}

HWND ModuleThread::WaitWindow(const char* className, HWND other, DWORD timeoutMs) const {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        found = ThreadWindow(threadId_, className);
        if (found == other) found = nullptr;
        return found || Finished() || MessageBoxNow();
      },
      timeoutMs);
  return found;
}

HWND ModuleThread::MessageBoxNow() const { return ThreadWindow(threadId_, kMessageBoxClass); }

HWND ModuleThread::WaitMessageBox(DWORD timeoutMs) const {
  HWND box = nullptr;
  WaitUntil([&] { return (box = MessageBoxNow()) != nullptr || Finished(); }, timeoutMs);
  return box;
}

bool ModuleThread::Finished(DWORD timeoutMs) const {
  return !thread_ || WaitForSingleObject(thread_, timeoutMs) == WAIT_OBJECT_0;
}

bool ModuleThread::WaitEnd(DWORD timeoutMs) {
  return WaitUntil(
      [&] {
        if (HWND box = MessageBoxNow()) {
          closedBoxes.push_back(MessageBoxContent(box));
          CloseMessageBox(box);
        }
        return Finished();
      },
      timeoutMs);
}

bool ModuleThread::Close(DWORD timeoutMs) {
  if (Finished()) return true;
  PostThreadMessageA(threadId_, engine::kCloseModule, 0, 0);
  return WaitEnd(timeoutMs);
}

void ModuleThread::ReportBoxes() const {
  for (const std::string& text : closedBoxes) std::fprintf(stderr, "message box: %s\n", text.c_str());
  if (HWND box = MessageBoxNow()) std::fprintf(stderr, "open message box: %s\n", MessageBoxContent(box).c_str());
}

}  // namespace wintest
