// A graphic module's Activate run on a thread of its own, as a host program
// runs it, with waits on what that thread does: its windows, its message
// boxes, its end, and its being idle.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "tests/support/wait.h"

namespace wintest {

class ModuleThread {
 public:
  using Entry = void(__cdecl*)();

  // Loads the DLL by name and runs its Activate.
  explicit ModuleThread(const char* dll);
  // Runs a function of the test program in the module's place.
  explicit ModuleThread(Entry entry);
  ModuleThread(const ModuleThread&) = delete;
  ModuleThread& operator=(const ModuleThread&) = delete;
  // Closes the module if it still runs; a module that will not end is cut
  // off and its DLL left loaded, since its code may still be running.
  ~ModuleThread();

  bool started() const { return thread_ != nullptr; }
  HMODULE dll() const { return dll_; }
  DWORD threadId() const { return threadId_; }

  // A visible top-level window of the thread of this class (null: any) other
  // than `other`, once it exists; null when the module ends or shows a
  // message box first.
  HWND WaitWindow(const char* className = nullptr, HWND other = nullptr, DWORD timeoutMs = kProgramStartWaitMs) const;
  HWND MessageBoxNow() const;
  HWND WaitMessageBox(DWORD timeoutMs = kProgramStartWaitMs) const;

  // Waits until the thread has handled everything queued for it (input,
  // posted and sent messages, painting); true at once when it has ended.
  bool WaitIdle(DWORD timeoutMs = kThreadWaitMs) const;
  // Lets `ms` pass on the thread's own timers: returns once a timer of that
  // period, started now on the thread, has fired and the thread is idle, so
  // every timer of the module that was due before it has run.
  bool WaitRest(DWORD ms, DWORD timeoutMs = kThreadWaitMs) const;

  // WM_TIMER messages the thread has taken for its windows so far: a test
  // sees whether a module timer runs by comparing two readings around WaitRest.
  long TimerMessages() const { return timerMessages_; }

  // Runs fn(arg) on the module's thread, between two of its messages; false
  // when the thread did not take it in time.
  bool OnThread(void (*fn)(void*), void* arg, DWORD timeoutMs = kThreadWaitMs) const;

  // Whether Activate has returned, waiting up to timeoutMs.
  bool Finished(DWORD timeoutMs = 0) const;
  // Waits for the end, pressing OK in every message box meanwhile; their
  // contents go to closedBoxes.
  bool WaitEnd(DWORD timeoutMs = kProgramStartWaitMs);
  // The engine's close request (0xC00), then WaitEnd.
  bool Close(DWORD timeoutMs = kThreadWaitMs);
  // Prints the boxes closed and any still open, for a failing child.
  void ReportBoxes() const;

  std::vector<std::string> closedBoxes;

 private:
  friend struct ModuleHook;
  static DWORD WINAPI Run(void* self);
  void Start();
  // Posts a probe to the thread and waits until the thread has taken it;
  // `probe` is its number (0 when none could be posted).
  bool Probe(LPARAM rest, DWORD timeoutMs, long& probe) const;

  HMODULE dll_ = nullptr;
  Entry entry_ = nullptr;
  HANDLE thread_ = nullptr;
  HANDLE ready_ = nullptr;
  DWORD threadId_ = 0;
  mutable std::mutex posting_;      // probes are posted in number order
  mutable long probes_ = 0;         // probes posted so far
  std::atomic<long> taken_{0};      // the highest probe the thread took
  std::atomic<long> idleAt_{0};     // the highest probe taken with nothing behind it
  std::atomic<long> restedAt_{0};   // the last probe whose rest timer has fired
  std::atomic<long> timerMessages_{0};
  mutable std::atomic<long> calls_{0};     // calls posted by OnThread, from the test's one thread
  std::atomic<long> callsDone_{0};
  UINT_PTR restTimer_ = 0;          // module thread only
  long restProbe_ = 0;              // module thread only
};

}  // namespace wintest
