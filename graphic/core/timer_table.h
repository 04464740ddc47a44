// Bookkeeping of the module's timers. Every timer runs on the main window;
// the position of an (owner, number) pair in the table is the timer's
// identifier there, so owners pick small numbers of their own and never see
// each other's timers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vrx {

class TimerTable {
 public:
  using Owner = const void*;  // an object's address; null for the tooltip manager
  static constexpr uint32_t kNone = 0xFFFFFFFFu;

  // The position of (owner, number): its current one, else the first free
  // one, else a new one at the end. kNone when the table cannot grow or the
  // number is the free mark itself.
  uint32_t Acquire(Owner owner, uint32_t number);
  // Frees the pair's position and returns it; kNone when the pair is absent.
  // The last used position frees the whole table.
  uint32_t Release(Owner owner, uint32_t number);
  // The pair's position, or kNone.
  uint32_t Identify(Owner owner, uint32_t number) const;

  std::size_t capacity() const { return entries_.size(); }
  std::size_t used() const;

 private:
  struct Entry {
    Owner owner = nullptr;
    uint32_t number = kNone;  // kNone marks a free position
  };
  std::vector<Entry> entries_;
};

}  // namespace vrx
