// Move-only owners of a Win32 kernel handle and of a loaded library, for the
// Win32 shells of every module.
#pragma once

#include <windows.h>

#include <utility>

namespace kv {

// A kernel handle (file, event, mutex, thread, process, mapping), closed when
// it goes away. CreateFile fails with INVALID_HANDLE_VALUE and most others
// with null: both mean "no handle" and are held as null, so a caller tests
// one thing whatever made the handle.
class KernelHandle {
 public:
  KernelHandle() = default;
  explicit KernelHandle(HANDLE h) : h_(Owned(h)) {}
  KernelHandle(const KernelHandle&) = delete;
  KernelHandle& operator=(const KernelHandle&) = delete;
  KernelHandle(KernelHandle&& o) noexcept : h_(o.release()) {}
  KernelHandle& operator=(KernelHandle&& o) noexcept {
    if (this != &o) reset(o.release());
    return *this;
  }
  ~KernelHandle() { reset(); }

  HANDLE get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  void reset(HANDLE h = nullptr) {
    if (h_) CloseHandle(h_);
    h_ = Owned(h);
  }
  HANDLE release() { return std::exchange(h_, nullptr); }

 private:
  static HANDLE Owned(HANDLE h) { return h == INVALID_HANDLE_VALUE ? nullptr : h; }

  HANDLE h_ = nullptr;
};

// A library from LoadLibrary, freed when it goes away.
class Library {
 public:
  Library() = default;
  explicit Library(HMODULE m) : m_(m) {}
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;
  Library(Library&& o) noexcept : m_(o.release()) {}
  Library& operator=(Library&& o) noexcept {
    if (this != &o) {
      reset();
      m_ = o.release();
    }
    return *this;
  }
  ~Library() { reset(); }

  HMODULE get() const { return m_; }
  explicit operator bool() const { return m_ != nullptr; }
  void reset() {
    if (m_) FreeLibrary(m_);
    m_ = nullptr;
  }
  HMODULE release() { return std::exchange(m_, nullptr); }

  // The named export as a function pointer of type Fn; null when the library
  // is not loaded or has no such export.
  template <typename Fn>
  Fn Export(const char* name) const {
    return m_ ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(m_, name))) : nullptr;
  }

 private:
  HMODULE m_ = nullptr;
};

}  // namespace kv
