#include "graphic/core/timer_table.h"

#include <new>

namespace vrx {

uint32_t TimerTable::Identify(Owner owner, uint32_t number) const {
  if (number == kNone) return kNone;
  for (std::size_t i = 0; i < entries_.size(); ++i)
    if (entries_[i].number == number && entries_[i].owner == owner) return static_cast<uint32_t>(i);
  return kNone;
}

uint32_t TimerTable::Acquire(Owner owner, uint32_t number) {
  if (number == kNone) return kNone;
  if (const uint32_t found = Identify(owner, number); found != kNone) return found;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].number == kNone) {
      entries_[i] = {owner, number};
      return static_cast<uint32_t>(i);
    }
  }
  if (entries_.size() >= kNone) return kNone;
  try {
    entries_.push_back({owner, number});
  } catch (const std::bad_alloc&) {
    return kNone;  // the timer is not started; its feature stays still
  }
  return static_cast<uint32_t>(entries_.size() - 1);
}

uint32_t TimerTable::Release(Owner owner, uint32_t number) {
  const uint32_t position = Identify(owner, number);
  if (position == kNone) return kNone;
  if (used() == 1) {
    std::vector<Entry>().swap(entries_);
  } else {
    entries_[position] = Entry{};
  }
  return position;
}

std::size_t TimerTable::used() const {
  std::size_t n = 0;
  for (const Entry& e : entries_) n += e.number != kNone;
  return n;
}

}  // namespace vrx
