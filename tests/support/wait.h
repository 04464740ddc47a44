// Waiting on a condition instead of sleeping for a guessed time.
#pragma once

#include <windows.h>

namespace wintest {

// How long a wait gives by default: a busy machine can hold a process back
// for seconds, and a wait that succeeds returns as soon as it may.
inline constexpr DWORD kDefaultWaitMs = 15000;
// How long a program, or a module on a thread of its own, is given to start
// or to end: loading libraries and making or destroying windows takes
// seconds under Wine on a busy machine.
inline constexpr DWORD kProgramStartWaitMs = 20000;
// How long a running thread of this process is given to take what was
// posted to it: it has nothing to load first.
inline constexpr DWORD kThreadWaitMs = 10000;

// Waits until pred() holds, looking every few milliseconds; false when it
// still does not after timeoutMs.
template <class Pred>
bool WaitUntil(Pred pred, DWORD timeoutMs = kDefaultWaitMs) {
  const DWORD start = GetTickCount();
  while (!pred()) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(5);
  }
  return true;
}

// As WaitUntil, dispatching this thread's messages meanwhile: for a test
// whose own windows must receive what it waits for. The queue is emptied
// before each look.
template <class Pred>
bool PumpUntil(Pred pred, DWORD timeoutMs = kDefaultWaitMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (pred()) return true;
    if (GetTickCount() - start > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

}  // namespace wintest
