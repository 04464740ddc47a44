// Counts the heap allocations a loaded DLL makes, by pointing its imports
// of the C runtime's allocators at counting wrappers. Only for benchmarks.
#pragma once

#include <windows.h>

#include <cstdint>

namespace eqbench {

class AllocationCounter {
 public:
  // Patches module's import table; count() stays 0 when nothing was found.
  explicit AllocationCounter(HMODULE module);
  AllocationCounter(const AllocationCounter&) = delete;
  AllocationCounter& operator=(const AllocationCounter&) = delete;
  ~AllocationCounter();  // restores the imports

  int hooked() const { return hooked_; }  // how many imports were redirected
  uint64_t count() const;
  void Reset();

 private:
  struct Slot {
    void** address;
    void* original;
  };
  static constexpr int kMaxSlots = 16;
  Slot slots_[kMaxSlots]{};
  int hooked_ = 0;
};

}  // namespace eqbench
