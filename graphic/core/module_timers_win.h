// The module's timers and mouse capture, shared by the main window and all
// controls. Every timer runs on the main window; its identifier there is the
// position of its (owner, number) pair in the timer table.
#pragma once

#include <windows.h>

#include "graphic/core/timer_table.h"

namespace vrx {

class ModuleTimers {
 public:
  using Owner = TimerTable::Owner;

  void Attach(HWND window) { window_ = window; }
  // (Re)starts the owner's timer with this period; false when it could not.
  bool Start(Owner owner, UINT number, UINT periodMs);
  void Stop(Owner owner, UINT number);
  // Whether a WM_TIMER identifier belongs to (owner, number).
  bool Is(WPARAM id, Owner owner, UINT number) const;
  // Forgets every timer (the window that ran them is gone).
  void Reset();

 private:
  HWND window_ = nullptr;
  TimerTable table_;
};

// Who owns the main window's mouse capture: the main window for a drag, a
// control for a press, or nobody.
class CaptureOwner {
 public:
  using Token = const void*;

  void Attach(HWND window) { window_ = window; }
  void Capture(Token token, bool on);
  // The owner, but nobody whenever the main window does not hold the
  // capture: a capture lost to another window ends every press and drag.
  Token Current() const;
  // The owner last set, even after another window took the capture: lets
  // the control whose drag that ended tell at WM_CAPTURECHANGED.
  Token LastOwner() const { return owner_; }
  // At WM_CAPTURECHANGED (its lParam): another window of this thread took the
  // capture. No focus change reports that, so it ends a press or drag.
  bool TakenAway(LPARAM newHolder) const { return reinterpret_cast<HWND>(newHolder) != window_; }

 private:
  HWND window_ = nullptr;
  Token owner_ = nullptr;
};

}  // namespace vrx

namespace vrx {

// The module's timers and capture owner (one of each per loaded module).
ModuleTimers& Timers();
CaptureOwner& Capture();

}  // namespace vrx
