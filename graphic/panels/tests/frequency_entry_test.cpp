// Direct frequency entry: typed digits, the point shown, when and what it
// tunes, and keys of the keypad with Num Lock off.
#include "graphic/panels/frequency_entry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace vrx {
namespace {

constexpr uint32_t kVkBack = 0x08, kVkReturn = 0x0D, kVkLeft = 0x25, kVkInsert = 0x2D, kVkDelete = 0x2E;
constexpr uint32_t kVkEnd = 0x23, kVkPrior = 0x21, kVkClear = 0x0C, kVkNumpad3 = 0x63, kVkDecimal = 0x6E;

struct Typed {
  std::optional<uint32_t> tuned;  // at a key, or at the time-out
  bool tunedAtKey = false;
  bool allConsumed = true;
  std::string lastShown;
};

Typed Type(const std::vector<uint32_t>& keys, bool timeout = true) {
  FrequencyEntry entry;
  Typed t;
  for (uint32_t vk : keys) {
    const EntryActions a = entry.Key(TranslateEntryKey(vk, false));
    t.allConsumed = t.allConsumed && a.consumed;
    if (a.tune) t.tuned = a.tune, t.tunedAtKey = true;
    if (entry.active()) t.lastShown = entry.Shown();
  }
  if (timeout && !t.tuned) t.tuned = entry.Timeout().tune;
  return t;
}

TEST(FrequencyEntry, TypedMegahertzTuneAtTheLastDigitOrAfterThePause) {
  struct Row {
    std::vector<uint32_t> keys;
    std::optional<uint32_t> hz;
    bool atKey;
    std::string shown;
  } rows[] = {
      {{'9', '5', '5'}, 95500000, false, "95.5"},
      {{'8', '7', '5'}, 87500000, false, "87.5"},
      {{'1', '0', '1', '5', '5'}, 101550000, true, "101.5"},
      {{'1', '0', '1', '5'}, 101500000, false, "101.5"},
      {{'9', '8', '7', '6'}, 98760000, true, "98.7"},
      {{'1'}, 100000000, false, "1"},
      {{'9', kVkBack}, 0, false, ""},
      {{'9', kVkBack, '0', '8'}, 80000000, false, "8"},  // a leading 0 is not taken
      {{'9', kVkDecimal, '1'}, 91000000, false, "91."},  // the point is placed, never typed
      {{'9', '1', kVkReturn}, 91000000, true, "91."},
      {{'8', 'X'}, std::nullopt, false, "8"},            // a letter ends the entry, nothing tuned
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.shown);
    const Typed t = Type(r.keys);
    EXPECT_EQ(t.tuned, r.hz);
    EXPECT_EQ(t.tunedAtKey, r.atKey);
    EXPECT_TRUE(t.allConsumed);
    EXPECT_EQ(t.lastShown, r.shown);
  }
}

TEST(FrequencyEntry, OnlyADigitFromOneToNineStartsIt) {
  FrequencyEntry entry;
  for (uint32_t vk : {uint32_t{'0'}, uint32_t{'A'}, kVkBack, kVkReturn, kVkDecimal}) {
    const EntryActions a = entry.Key(TranslateEntryKey(vk, true));
    EXPECT_FALSE(a.consumed) << vk;
    EXPECT_FALSE(entry.active());
  }
  EXPECT_FALSE(entry.Timeout().tune);
  const EntryActions a = entry.Key(TranslateEntryKey('7', false));
  EXPECT_TRUE(a.consumed && a.restartTimer && a.refresh);
}

TEST(FrequencyEntry, KeypadKeysWithNumLockOffCountAsTheirDigits) {
  struct Row {
    uint32_t vk;
    bool extended;
    EntryKey::Kind kind;
    int digit;
  } rows[] = {
      {kVkInsert, false, EntryKey::kDigit, 0}, {kVkEnd, false, EntryKey::kDigit, 1},
      {kVkClear, false, EntryKey::kDigit, 5},  {kVkPrior, false, EntryKey::kDigit, 9},
      {kVkLeft, false, EntryKey::kDigit, 4},   {kVkDelete, false, EntryKey::kPoint, 0},
      {kVkNumpad3, false, EntryKey::kDigit, 3}, {kVkNumpad3, true, EntryKey::kDigit, 3},
      // The separate cursor keys are extended: they stay themselves.
      {kVkLeft, true, EntryKey::kOther, 0},    {kVkInsert, true, EntryKey::kOther, 0},
      {kVkDelete, true, EntryKey::kOther, 0},  {kVkDecimal, true, EntryKey::kPoint, 0},
  };
  for (const Row& r : rows) {
    const EntryKey k = TranslateEntryKey(r.vk, r.extended);
    EXPECT_EQ(k.kind, r.kind) << r.vk << " extended " << r.extended;
    if (r.kind == EntryKey::kDigit) EXPECT_EQ(k.digit, r.digit) << r.vk;
  }
  // End, Insert, Home on the keypad type 1 0 7 . 5 ...
  EXPECT_EQ(Type({kVkEnd, kVkInsert, 0x24, kVkDelete, kVkClear, kVkClear}).tuned, 107550000u);
}

}  // namespace
}  // namespace vrx
