#include "graphic/panels/frequency_entry.h"

namespace vrx {
namespace {

// Virtual keys, as Windows numbers them.
constexpr uint32_t kVkBack = 0x08, kVkReturn = 0x0D, kVkClear = 0x0C;
constexpr uint32_t kVkPrior = 0x21, kVkNext = 0x22, kVkEnd = 0x23, kVkHome = 0x24;
constexpr uint32_t kVkLeft = 0x25, kVkUp = 0x26, kVkRight = 0x27, kVkDown = 0x28;
constexpr uint32_t kVkInsert = 0x2D, kVkDelete = 0x2E;
constexpr uint32_t kVk0 = 0x30, kVk9 = 0x39;
constexpr uint32_t kVkNumpad0 = 0x60, kVkNumpad9 = 0x69, kVkDecimal = 0x6E;

// Keypad keys with Num Lock off, by the digit printed on them.
constexpr uint32_t kKeypadDigits[10] = {kVkInsert, kVkEnd,   kVkDown, kVkNext, kVkLeft,
                                        kVkClear,  kVkRight, kVkHome, kVkUp,   kVkPrior};

// A 100 MHz frequency has three digits before the point, and five in all.
constexpr char kHundreds = '1';
constexpr int kDigitsFromHundreds = 5, kDigitsBelowHundred = 4;

EntryKey Digit(int d) { return {EntryKey::kDigit, d}; }

}  // namespace

EntryKey TranslateEntryKey(uint32_t vk, bool extended) {
  if (!extended) {
    for (int d = 0; d < 10; ++d)
      if (vk == kKeypadDigits[d]) return Digit(d);
    if (vk == kVkDelete) return {EntryKey::kPoint};
  }
  if (vk >= kVkNumpad0 && vk <= kVkNumpad9) return Digit(static_cast<int>(vk - kVkNumpad0));
  if (vk >= kVk0 && vk <= kVk9) return Digit(static_cast<int>(vk - kVk0));
  if (vk == kVkDecimal) return {EntryKey::kPoint};
  if (vk == kVkBack) return {EntryKey::kBack};
  if (vk == kVkReturn) return {EntryKey::kEnter};
  return {EntryKey::kOther};
}

EntryActions FrequencyEntry::Key(EntryKey key) {
  EntryActions a;
  if (!active_) {
    if (key.kind != EntryKey::kDigit || key.digit == 0) return a;
    active_ = true;
    digits_[0] = static_cast<char>('0' + key.digit);
    count_ = 1;
    a.consumed = a.refresh = a.restartTimer = true;
    return a;
  }
  switch (key.kind) {
    case EntryKey::kBack:
      if (count_ > 0) digits_[--count_] = '\0';
      a.restartTimer = true;
      break;
    case EntryKey::kEnter:
      a = Commit();
      break;
    case EntryKey::kPoint:
      a.restartTimer = true;
      break;
    case EntryKey::kDigit: {
      if (key.digit == 0 && count_ == 0) {
        a.restartTimer = true;
        break;
      }
      if (count_ < kMaxDigits) digits_[count_++] = static_cast<char>('0' + key.digit);
      const int complete = digits_[0] == kHundreds ? kDigitsFromHundreds : kDigitsBelowHundred;
      if (count_ >= complete)
        a = Commit();
      else
        a.restartTimer = true;
      break;
    }
    case EntryKey::kOther:
      *this = FrequencyEntry{};
      a.stopTimer = true;
      break;
  }
  a.consumed = a.refresh = true;
  return a;
}

EntryActions FrequencyEntry::Timeout() {
  if (!active_) return {};
  return Commit();
}

EntryActions FrequencyEntry::Commit() {
  // Every position counts, an empty one as 0: 9, 5, 5 are 95 500 kHz.
  uint32_t khz = 0;
  for (int i = 0; i < kMaxDigits; ++i) khz = khz * 10 + (i < count_ ? static_cast<uint32_t>(digits_[i] - '0') : 0);
  if (count_ > 0 && digits_[0] == kHundreds) khz *= 10;
  *this = FrequencyEntry{};
  EntryActions a;
  a.stopTimer = true;
  a.tune = khz * 1000;
  return a;
}

std::string FrequencyEntry::Shown() const {
  std::string s(digits_, static_cast<size_t>(count_));
  if (count_ >= 3 && digits_[0] == kHundreds)
    s.insert(3, 1, '.');
  else if (count_ >= 2)
    s.insert(2, 1, '.');
  return s;
}

}  // namespace vrx
