// The one move-only owner of a resource: a handle, a GDI object, an FFTW plan,
// a heap block. What a resource is and how it goes back is said by a small
// traits type, so release is written once per kind and moves, resets and
// self-moves are written once for all of them.
//
// A traits type gives:
//   using Handle = ...;                  // a pointer, handle or small struct
//   static constexpr Handle Null();                // the "nothing held" value
//   static bool Valid(const Handle&);    // false for every failure value
//   static void Release(const Handle&);  // gives a valid handle back
// and may give a counting hook, called once per valid handle taken and released:
//   static void Counted(int delta);      // +1 when taken, -1 when released
//
// Portable: no system header, so portable code (FFTW plans) uses it too.
#pragma once

#include <utility>

namespace kv {

template <class Traits>
class Owner {
 public:
  using Handle = typename Traits::Handle;

  constexpr Owner() = default;
  // Takes the handle; a failure value (null, INVALID_HANDLE_VALUE, ...) is held
  // as Null(), so callers test one thing whatever made the handle.
  explicit Owner(Handle h) : h_(Take(std::move(h))) {}
  Owner(const Owner&) = delete;
  Owner& operator=(const Owner&) = delete;
  // A move hands the handle over as it is: still one handle, so the count stays.
  Owner(Owner&& o) noexcept : h_(std::exchange(o.h_, Traits::Null())) {}
  Owner& operator=(Owner&& o) noexcept {
    if (this != &o) {
      Owner old(std::move(*this));
      h_ = std::exchange(o.h_, Traits::Null());
    }
    return *this;
  }
  ~Owner() { reset(); }

  const Handle& get() const { return h_; }
  explicit operator bool() const { return Traits::Valid(h_); }

  // Gives back what is held, then holds h.
  void reset(Handle h = Traits::Null()) {
    Handle old = std::exchange(h_, Take(std::move(h)));
    if (Traits::Valid(old)) {
      Traits::Release(old);
      Count(-1);
    }
  }
  // Hands the handle to the caller, who releases it from now on.
  Handle release() {
    Handle h = std::exchange(h_, Traits::Null());
    if (Traits::Valid(h)) Count(-1);
    return h;
  }

 private:
  static Handle Take(Handle h) {
    if (!Traits::Valid(h)) return Traits::Null();
    Count(+1);
    return h;
  }
  static void Count(int delta) {
    if constexpr (requires { Traits::Counted(delta); }) Traits::Counted(delta);
  }

  Handle h_ = Traits::Null();
};

// Traits for a pointer released by one function: PointerTraits<T, &Free>.
template <class T, auto Free>
struct PointerTraits {
  using Handle = T*;
  static constexpr Handle Null() { return nullptr; }
  static bool Valid(Handle h) { return h != nullptr; }
  static void Release(Handle h) { Free(h); }
};

}  // namespace kv
