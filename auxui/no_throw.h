// Exports never let an exception out: running out of memory while copying a
// stored value becomes the export's "nothing" result.
#pragma once

template <typename Result, typename Fn>
Result NoThrow(Result fallback, Fn&& fn) noexcept {
  try {
    return fn();
  } catch (...) {
    return fallback;
  }
}
