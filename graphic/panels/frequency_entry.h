// Direct frequency entry: megahertz typed as digits, the point placed by the
// first digit, tuned when the digits are complete, on Enter or after a pause.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vrx {

inline constexpr uint32_t kEntryTimeoutMs = 3000;

// A key as the entry reads it: keypad keys with Num Lock off (no extended
// flag) count as the digits printed on them.
struct EntryKey {
  enum Kind { kDigit, kPoint, kBack, kEnter, kOther } kind = kOther;
  int digit = 0;
};
EntryKey TranslateEntryKey(uint32_t virtualKey, bool extended);

// What a key or the time-out asks of the display.
struct EntryActions {
  bool consumed = false;
  bool refresh = false;
  bool restartTimer = false;  // (re)start the time-out
  bool stopTimer = false;
  std::optional<uint32_t> tune;  // hertz to tune
};

class FrequencyEntry {
 public:
  static constexpr int kMaxDigits = 5;

  EntryActions Key(EntryKey key);
  // The time-out ran out: tune what was typed.
  EntryActions Timeout();

  bool active() const { return active_; }
  // The digits as shown, with the point where the typed frequency has it.
  std::string Shown() const;

 private:
  EntryActions Commit();

  bool active_ = false;
  char digits_[kMaxDigits] = {};
  int count_ = 0;
};

}  // namespace vrx
