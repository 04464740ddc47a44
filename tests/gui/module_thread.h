// Runs a graphic module's Activate on a thread of its own, as a host
// program does, and watches that thread's message traffic so that a
// scenario can wait until the module has nothing left to do.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>

namespace gui {

class ModuleThread {
 public:
  using Entry = void(__cdecl*)();

  // Loads the DLL by name and runs its Activate.
  explicit ModuleThread(const char* dll);
  // Runs a function of the test program in the module's place.
  explicit ModuleThread(Entry entry);
  ModuleThread(const ModuleThread&) = delete;
  ModuleThread& operator=(const ModuleThread&) = delete;
  // Ends the module (Close) if it still runs, and unloads the DLL.
  ~ModuleThread();

  bool started() const { return thread_ != nullptr; }
  DWORD threadId() const { return threadId_; }

  // The module's visible top-level window of this class (null: any), once
  // it exists.
  HWND WaitWindow(const char* className = nullptr, DWORD timeoutMs = 10000) const;

  // Waits until the thread has taken no message for quietMs and answers a
  // sent message; false when it stays busy past timeoutMs.
  bool WaitIdle(DWORD quietMs = 150, DWORD timeoutMs = 10000) const;

  // Whether Activate has returned, waiting up to timeoutMs.
  bool Finished(DWORD timeoutMs = 0) const;

  // Asks the module to end (the engine's close request, 0xC00) and waits.
  bool Close(DWORD timeoutMs = 10000);

  // Messages the thread has taken from its queue so far.
  long Taken() const { return taken_.load(); }

 private:
  static DWORD WINAPI Run(void* self);
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);
  void Start();

  HMODULE dll_ = nullptr;
  Entry entry_ = nullptr;
  HANDLE thread_ = nullptr;
  DWORD threadId_ = 0;
  std::atomic<long> taken_{0};
  std::atomic<DWORD> lastTaken_{0};
};

// Finds a top-level window of the thread by class (null: any class).
HWND ThreadWindow(DWORD threadId, const char* className, bool visibleOnly = true);

}  // namespace gui
