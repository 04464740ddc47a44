// Exported functions never let a C++ exception out (memory running out
// included): the caller, which may not even be C++, gets the answer the
// export gives for failure instead. Every export whose body can throw goes
// through one of these.
#pragma once

#include <utility>

namespace kv {

// fn's result, or `failure` when fn throws.
template <typename Result, typename Fn>
Result NoThrow(Result failure, Fn&& fn) noexcept {
  try {
    return std::forward<Fn>(fn)();
  } catch (...) {
    return failure;
  }
}

// For an export without a result: a throw ends the call.
template <typename Fn>
void NoThrow(Fn&& fn) noexcept {
  try {
    std::forward<Fn>(fn)();
  } catch (...) {
  }
}

}  // namespace kv
