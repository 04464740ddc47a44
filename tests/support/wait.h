// Waiting on a condition instead of sleeping for a guessed time.
#pragma once

#include <windows.h>

namespace wintest {

// Waits until pred() holds, looking every few milliseconds; false when it
// still does not after timeoutMs.
template <class Pred>
bool WaitUntil(Pred pred, DWORD timeoutMs = 5000) {
  const DWORD start = GetTickCount();
  while (!pred()) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(5);
  }
  return true;
}

}  // namespace wintest
