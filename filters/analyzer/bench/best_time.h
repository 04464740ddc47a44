// The fastest of a few rounds of a body run many times: nanoseconds per run.
#pragma once

#include <algorithm>
#include <chrono>

namespace bench {

template <typename F>
double BestNanoseconds(F&& body, int rounds = 7, int iterations = 20000) {
  using Clock = std::chrono::steady_clock;
  double best = 1e300;
  for (int r = 0; r < rounds; ++r) {
    const auto t0 = Clock::now();
    for (int i = 0; i < iterations; ++i) body(i);
    const auto t1 = Clock::now();
    best = std::min(best, std::chrono::duration<double, std::nano>(t1 - t0).count() / iterations);
  }
  return best;
}

}  // namespace bench
