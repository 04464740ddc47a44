// An owner of a CRITICAL_SECTION and a scoped hold on it. A lock
// that is not contended costs no call into the kernel (or, under Wine, into
// wineserver), which matters for a lock taken once per frame.
#pragma once

#include <windows.h>

namespace filters {

class CriticalSection {
 public:
  CriticalSection() = default;
  CriticalSection(const CriticalSection&) = delete;
  CriticalSection& operator=(const CriticalSection&) = delete;
  ~CriticalSection() { Destroy(); }

  // False when the system could not set it up.
  bool Create() {
    if (!created_) created_ = InitializeCriticalSectionAndSpinCount(&cs_, 0) != FALSE;
    return created_;
  }
  void Destroy() {
    if (created_) DeleteCriticalSection(&cs_);
    created_ = false;
  }
  explicit operator bool() const { return created_; }
  CRITICAL_SECTION* get() { return &cs_; }

 private:
  CRITICAL_SECTION cs_{};
  bool created_ = false;
};

class ScopedLock {
 public:
  explicit ScopedLock(CriticalSection& cs) : cs_(cs.get()) { EnterCriticalSection(cs_); }
  ScopedLock(const ScopedLock&) = delete;
  ScopedLock& operator=(const ScopedLock&) = delete;
  ~ScopedLock() { LeaveCriticalSection(cs_); }

 private:
  CRITICAL_SECTION* cs_;
};

}  // namespace filters
