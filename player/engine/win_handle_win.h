// Move-only owners of kernel handles and loaded libraries.
#pragma once

#include <windows.h>

#include <utility>

namespace engine {

class KernelHandle {
 public:
  KernelHandle() = default;
  explicit KernelHandle(HANDLE h) : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
  KernelHandle(KernelHandle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  KernelHandle& operator=(KernelHandle&& o) noexcept {
    if (this != &o) {
      Reset();
      h_ = std::exchange(o.h_, nullptr);
    }
    return *this;
  }
  KernelHandle(const KernelHandle&) = delete;
  KernelHandle& operator=(const KernelHandle&) = delete;
  ~KernelHandle() { Reset(); }
  void Reset() {
    if (h_) CloseHandle(h_);
    h_ = nullptr;
  }
  HANDLE get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }

 private:
  HANDLE h_ = nullptr;
};

class Library {
 public:
  Library() = default;
  explicit Library(HMODULE m) : m_(m) {}
  Library(Library&& o) noexcept : m_(std::exchange(o.m_, nullptr)) {}
  Library& operator=(Library&& o) noexcept {
    if (this != &o) {
      Reset();
      m_ = std::exchange(o.m_, nullptr);
    }
    return *this;
  }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;
  ~Library() { Reset(); }
  void Reset() {
    if (m_) FreeLibrary(m_);
    m_ = nullptr;
  }
  HMODULE get() const { return m_; }
  template <typename Fn>
  Fn Export(const char* name) const {
    return m_ ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(m_, name))) : nullptr;
  }
  explicit operator bool() const { return m_ != nullptr; }

 private:
  HMODULE m_ = nullptr;
};

}  // namespace engine
