#include "wizard/tuner_rules.h"

#include <gtest/gtest.h>

#include "tests/support/fake_settings.h"

namespace wizard {
namespace {

TEST(TunerModules, WhichFilesAreTriedAndTheirCompanions) {
  for (const char* name : {"Tuner.dll", "TUNER.DLL", "t.Dll", ".dll"}) EXPECT_TRUE(IsDllName(name)) << name;
  for (const char* name : {"Tuner.dllx", "Tuner.kvo", "dll", "Tuner.dl", ""}) EXPECT_FALSE(IsDllName(name)) << name;
  EXPECT_EQ(FileNameOf("C:\\Program Files\\Tavrin\\MyTuner.dll"), "MyTuner.dll");
  EXPECT_EQ(FileNameOf("MyTuner.dll"), "MyTuner.dll");
  EXPECT_EQ(FileNameOf("C:\\folder\\"), "");
  EXPECT_EQ(CompanionName("MyTuner.dll"), "MyTuner.kvo");
  EXPECT_EQ(CompanionName("MYTUNER.DLL"), "MYTUNER.kvo");
  EXPECT_EQ(CompanionName("ab"), std::nullopt);
  EXPECT_EQ(StoredTunerKind(std::nullopt), StoredTuner::kNone);
  EXPECT_EQ(StoredTunerKind("Built-inTVDriver"), StoredTuner::kBuiltIn);
  EXPECT_EQ(StoredTunerKind("built-intvdriver"), StoredTuner::kModule) << "the stored word is exact";
}

TEST(TvDriverValues, DefaultsAndValidityRulesThenSavingWritesTheValidValues) {
  const wintest::FakeSettings empty;
  EXPECT_EQ(ReadTvDriverValues(empty), TvDriverValues{});

  struct Row {
    const char* key;
    uint32_t stored;
    uint32_t TvDriverValues::*field;
    uint32_t read;
  };
  const Row rows[] = {
      {"Tuner", 1, &TvDriverValues::tuner, 1},          {"Tuner", 2, &TvDriverValues::tuner, 0},
      {"I2CAddress", 0xC0, &TvDriverValues::i2cAddress, 0xC0}, {"I2CAddress", 0xC6, &TvDriverValues::i2cAddress, 0xC6},
      {"I2CAddress", 0xC3, &TvDriverValues::i2cAddress, 0xC2}, {"I2CAddress", 0xC8, &TvDriverValues::i2cAddress, 0xC2},
      {"I2CAddress", 0xBE, &TvDriverValues::i2cAddress, 0xC2}, {"SAALine", 7, &TvDriverValues::saaLine, 7},
      {"SAALine", 8, &TvDriverValues::saaLine, 1},      {"SAAMute", 0, &TvDriverValues::saaMute, 0},
      {"SAAMute", 9, &TvDriverValues::saaMute, 7},      {"BTGPIOMask", 0xFFFFFFFF, &TvDriverValues::btMask, 0xFFFFFFFF},
  };
  for (const Row& r : rows) {
    wintest::FakeSettings store;
    store.dwords[{"TVDrv", r.key}] = r.stored;
    EXPECT_EQ(ReadTvDriverValues(store).*r.field, r.read) << r.key << " " << r.stored;
  }

  wintest::FakeSettings store;
  store.dwords[{"TVDrv", "I2CAddress"}] = 0xC3;
  const auto entries = TvDriverEntries(ReadTvDriverValues(store));
  EXPECT_STREQ(entries[1].key, "I2CAddress");
  EXPECT_EQ(entries[1].value, 0xC2u);
  EXPECT_EQ(I2CAddressPosition(0xC3), 1) << "shown as 0xC2";
}

TEST(TvDriverValues, ListPositionsAndChip) {
  for (int i = 0; i < kI2CAddressCount; ++i) EXPECT_EQ(I2CAddressPosition(I2CAddressAt(i)), i);
  EXPECT_EQ(I2CAddressAt(-1), 0xC2u) << "no selection";
  EXPECT_EQ(I2CAddressAt(4), 0xC2u);
  EXPECT_EQ(TunerAt(1), 1u);
  EXPECT_EQ(TunerAt(-1), 0u);
  EXPECT_EQ(TunerAt(2), 0u);
  EXPECT_EQ(ValidChip(std::nullopt), TvChip::kBt8xx);
  EXPECT_EQ(ValidChip(1), TvChip::kSaa713x);
  EXPECT_EQ(ValidChip(2), TvChip::kBt8xx);
}

TEST(BinaryFields, ReadThenRewrittenInNormalForm) {
  struct Row {
    const char* typed;
    int digits;
    uint32_t value;
    const char* shown;
  };
  const std::string ones40(40, '1');
  const std::string zeros32(32, '0');
  const std::string zeroThenOnes = "0" + ones40;
  const Row rows[] = {
      {"2a01", kNarrowDigits, 6, "110"},
      {"", kWideDigits, 0, zeros32.c_str()},
      {"", kNarrowDigits, 0, "000"},
      {"1", kNarrowDigits, 1, "001"},
      {"0 1", kNarrowDigits, 3, "011"},  // a blank counts as 1
      {ones40.c_str(), kWideDigits, 0xFFFFFFFF, "11111111111111111111111111111111"},
      {zeroThenOnes.c_str(), kWideDigits, 0x7FFFFFFF, "01111111111111111111111111111111"},
      {"1111", kWideDigits, 0xF, "00000000000000000000000000001111"},
  };
  for (const Row& r : rows) {
    const uint32_t value = BinaryValue(r.typed, r.digits);
    EXPECT_EQ(value, r.value) << r.typed;
    EXPECT_EQ(BinaryText(value, r.digits), r.shown) << r.typed;
  }
  EXPECT_EQ(BinaryText(0x2000, kWideDigits), "00000000000000000010000000000000");
  EXPECT_EQ(BinaryText(0xF, kNarrowDigits), "111") << "only the low digits";
}

}  // namespace
}  // namespace wizard
