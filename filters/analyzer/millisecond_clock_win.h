// The worker's clock: timeGetTime, read while the system timer resolution is
// raised to 1 ms. The resolution is held for a whole run of polls (one
// block's frames), so that the 1 ms waits between readings are 1 ms on
// Windows too rather than a 15.6 ms timer tick; it drops back when the worker
// goes idle.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>

namespace prismo {

class MillisecondClock {
 public:
  MillisecondClock() : raised_(timeBeginPeriod(kResolutionMs) == TIMERR_NOERROR) {}
  MillisecondClock(const MillisecondClock&) = delete;
  MillisecondClock& operator=(const MillisecondClock&) = delete;
  ~MillisecondClock() {
    if (raised_) timeEndPeriod(kResolutionMs);
  }
  uint32_t Now() const { return timeGetTime(); }

 private:
  static constexpr UINT kResolutionMs = 1;
  bool raised_;
};

}  // namespace prismo
