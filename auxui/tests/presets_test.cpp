#include "auxui/presets.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "host/records.h"

namespace {

std::set<std::string> g_active;
bool IsActive(const char* file) { return g_active.count(file) > 0; }

std::optional<PresetBank> ReadBankWith(int32_t bands, std::set<std::string> active) {
  g_active = std::move(active);
  return BankToRead(bands, &IsActive);
}

template <typename Preset>
std::vector<uint8_t> Stored(const std::vector<Preset>& presets, size_t extra = 0) {
  std::vector<uint8_t> out(presets.size() * sizeof(Preset) + extra, 0xEE);
  if (!presets.empty()) std::memcpy(out.data(), presets.data(), presets.size() * sizeof(Preset));
  return out;
}

template <typename Preset>
std::vector<Preset> ReadBack(const std::vector<uint8_t>& stored, const PresetBank& bank) {
  const uint32_t n = CountPresets(stored.size(), bank);
  std::vector<Preset> out(n);
  CopyRepairedPresets(stored, bank, n, reinterpret_cast<uint8_t*>(out.data()));
  return out;
}

}  // namespace

TEST(PresetBank, BandCountChoosesTheEqualizer) {
  EXPECT_EQ(ReadBankWith(10, {})->section, std::string("Tonal10"));
  EXPECT_EQ(ReadBankWith(31, {})->recordSize, 324u);
  // Any other count follows the filter list, the 31-band equalizer first.
  const auto both = ReadBankWith(0, {kTonal10File, kTonal31File});
  ASSERT_TRUE(both);
  EXPECT_EQ(both->bands, 31);
  EXPECT_EQ(both->section, std::string("Tonal31"));
  const auto ten = ReadBankWith(-5, {kTonal10File});
  ASSERT_TRUE(ten);
  EXPECT_EQ(ten->bands, 10);
  EXPECT_EQ(ten->recordSize, 156u);
  EXPECT_FALSE(ReadBankWith(12, {"Prismo.dll"}));

  EXPECT_EQ(BankToWrite(31).section, std::string("Tonal31"));
  EXPECT_EQ(BankToWrite(0).section, std::string("Tonal10"));
  EXPECT_EQ(BankToWrite(10).recordSize, 156u);
}

TEST(Presets, OnlyWholeRecordsCount) {
  const PresetBank bank = *ReadBankWith(10, {});
  EXPECT_EQ(CountPresets(400, bank), 2u);  // the last 88 bytes are ignored
  EXPECT_EQ(CountPresets(155, bank), 0u);
  EXPECT_EQ(CountPresets(324 * 3 + 323, *ReadBankWith(31, {})), 3u);

  EqualizerPreset a{}, b{};
  std::strcpy(a.name, "Rock");
  std::strcpy(b.name, "Jazz");
  const auto stored = Stored<EqualizerPreset>({a, b}, 88);
  ASSERT_EQ(stored.size(), 400u);
  const auto back = ReadBack<EqualizerPreset>(stored, bank);
  ASSERT_EQ(back.size(), 2u);
  EXPECT_STREQ(back[1].name, "Jazz");
}

TEST(Presets, ValuesAreClampedAndTheNameTerminated) {
  EqualizerPreset31 p{};
  std::memset(p.name, 'N', sizeof p.name);  // all 64 bytes used, no NUL
  p.passThrough = -123456;
  p.leftAmp = -101;
  p.rightAmp = 201;
  for (int i = 0; i < 31; ++i) {
    p.leftGain[i] = (i % 2) ? INT32_MIN : 400;
    p.rightGain[i] = (i % 2) ? INT32_MAX : -100;
  }
  const auto back = ReadBack<EqualizerPreset31>(Stored<EqualizerPreset31>({p}), *ReadBankWith(31, {}));
  ASSERT_EQ(back.size(), 1u);
  EXPECT_EQ(std::string(back[0].name), std::string(63, 'N'));
  EXPECT_EQ(back[0].passThrough, -123456);
  EXPECT_EQ(back[0].leftAmp, -100);
  EXPECT_EQ(back[0].rightAmp, 200);
  for (int i = 0; i < 31; ++i) {
    EXPECT_EQ(back[0].leftGain[i], (i % 2) ? -100 : 400) << i;
    EXPECT_EQ(back[0].rightGain[i], (i % 2) ? 400 : -100) << i;
  }
}

TEST(Presets, TenBandRepairLeavesValuesInRangeAndTheRestAlone) {
  EqualizerPreset p{};
  std::strcpy(p.name, "Flat");
  p.leftAmp = 200;
  p.rightAmp = -100;
  for (int i = 0; i < 10; ++i) p.leftGain[i] = i * 10, p.rightGain[i] = -i * 10;
  p.rightGain[9] = 401;
  std::vector<uint8_t> stored = Stored<EqualizerPreset>({p});
  RepairPreset(stored.data(), 10);
  EqualizerPreset back;
  std::memcpy(&back, stored.data(), sizeof back);
  EXPECT_STREQ(back.name, "Flat");
  EXPECT_EQ(back.leftAmp, 200);
  EXPECT_EQ(back.rightAmp, -100);
  EXPECT_EQ(back.leftGain[9], 90);
  EXPECT_EQ(back.rightGain[8], -80);
  EXPECT_EQ(back.rightGain[9], 400);
}
