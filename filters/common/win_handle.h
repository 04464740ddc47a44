// A move-only owner of a Win32 kernel handle (event, mutex, thread, process,
// mapping). Closes it when it goes away; both null and INVALID_HANDLE_VALUE
// count as "no handle".
#pragma once

#include <windows.h>

#include <utility>

namespace filters {

class WinHandle {
 public:
  WinHandle() = default;
  explicit WinHandle(HANDLE h) : h_(h) {}
  WinHandle(const WinHandle&) = delete;
  WinHandle& operator=(const WinHandle&) = delete;
  WinHandle(WinHandle&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
  WinHandle& operator=(WinHandle&& other) noexcept {
    if (this != &other) reset(std::exchange(other.h_, nullptr));
    return *this;
  }
  ~WinHandle() { reset(); }

  HANDLE get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr && h_ != INVALID_HANDLE_VALUE; }
  void reset(HANDLE h = nullptr) {
    if (*this) CloseHandle(h_);
    h_ = h;
  }
  HANDLE release() { return std::exchange(h_, nullptr); }

 private:
  HANDLE h_ = nullptr;
};

}  // namespace filters
