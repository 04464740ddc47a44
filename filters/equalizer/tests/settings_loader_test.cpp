// Loading section Tonal10 into the shared record: only keys that exist
// change a word, a stored bypass of 0 never clears one.
#include <gtest/gtest.h>

#include <string>

#include "filters/equalizer/settings_loader.h"
#include "tests/support/fake_settings.h"

namespace {

TEST(SettingsLoader, EveryKeyLandsInItsWord) {
  wintest::FakeSettings store;
  store.dwords = {{{"Tonal10", "LDisable"}, 1}, {{"Tonal10", "RDisable"}, 7}, {{"Tonal10", "LAmp"}, 150},
                  {{"Tonal10", "RAmp"}, static_cast<uint32_t>(-100)}};
  for (int b = 0; b < kEqBands; ++b) {
    store.dwords[{"Tonal10", "LFreq" + std::to_string(b)}] = static_cast<uint32_t>(10 * b - 40);
    store.dwords[{"Tonal10", "RFreq" + std::to_string(b)}] = static_cast<uint32_t>(400 - b);
  }
  EqualizerShared shared{};
  eq::LoadSettings(store, shared);
  EXPECT_EQ(shared.left.disable, 1);
  EXPECT_EQ(shared.right.disable, 7);
  EXPECT_EQ(shared.left.amp, 150);
  EXPECT_EQ(shared.right.amp, -100);
  for (int b = 0; b < kEqBands; ++b) {
    EXPECT_EQ(shared.left.gain[b], 10 * b - 40) << b;
    EXPECT_EQ(shared.right.gain[b], 400 - b) << b;
  }
}

TEST(SettingsLoader, MissingKeysAndZeroBypassLeaveWordsAlone) {
  wintest::FakeSettings store;
  store.dwords = {{{"Tonal10", "LDisable"}, 0}, {{"Tonal10", "LAmp"}, 0}, {{"Tonal10", "RFreq9"}, 25}};
  EqualizerShared shared{};
  shared.left.disable = 1;
  shared.left.amp = 33;
  shared.right.amp = 44;
  shared.left.gain[3] = 12;
  shared.sound.left.peak = 999;
  eq::LoadSettings(store, shared);
  EXPECT_EQ(shared.left.disable, 1);  // a stored 0 does not clear the bypass
  EXPECT_EQ(shared.left.amp, 0);      // an existing key is stored, even 0
  EXPECT_EQ(shared.right.amp, 44);
  EXPECT_EQ(shared.left.gain[3], 12);
  EXPECT_EQ(shared.right.gain[9], 25);
  EXPECT_EQ(shared.sound.left.peak, 999);  // the levels are not settings
}

}  // namespace
