#include "graphic/core/module_timers_win.h"

namespace vrx {

bool ModuleTimers::Start(Owner owner, UINT number, UINT periodMs) {
  if (!window_) return false;
  const uint32_t position = table_.Acquire(owner, number);
  if (position == TimerTable::kNone) return false;
  if (SetTimer(window_, position, periodMs, nullptr) == 0) {
    table_.Release(owner, number);
    return false;
  }
  return true;
}

void ModuleTimers::Stop(Owner owner, UINT number) {
  const uint32_t position = table_.Release(owner, number);
  if (position != TimerTable::kNone && window_) KillTimer(window_, position);
}

bool ModuleTimers::Is(WPARAM id, Owner owner, UINT number) const {
  const uint32_t position = table_.Identify(owner, number);
  return position != TimerTable::kNone && id == position;
}

void ModuleTimers::Reset() {
  table_ = TimerTable();
  window_ = nullptr;
}

void CaptureOwner::Capture(Token token, bool on) {
  if (on) {
    if (GetCapture() != window_) SetCapture(window_);
    owner_ = token;
  } else {
    // Nobody owns it any more by the time WM_CAPTURECHANGED comes back.
    owner_ = nullptr;
    if (window_ && GetCapture() == window_) ReleaseCapture();
  }
}

CaptureOwner::Token CaptureOwner::Current() const {
  return window_ && GetCapture() == window_ ? owner_ : nullptr;
}

}  // namespace vrx

namespace vrx {

ModuleTimers& Timers() {
  static ModuleTimers timers;
  return timers;
}

CaptureOwner& Capture() {
  static CaptureOwner capture;
  return capture;
}

}  // namespace vrx
