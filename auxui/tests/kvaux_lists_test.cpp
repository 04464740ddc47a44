// The stored lists and frequency texts through KvAux.dll, loaded by name, with
// the real settings store underneath.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "auxui/tests/kvaux_library.h"
#include "auxui/tests/stored_bytes.h"
#include "host/kv_ini.h"
#include "host/settings.h"
#include "tests/support/wintest.h"

namespace {

void Store(const char* section, const char* key, const Bytes& value) {
  ASSERT_TRUE(KvIniSetBinary(section, key, value.data(), static_cast<uint32_t>(value.size())));
}

// Exit code: how many stations another process reads, plus 1000 for each
// one whose name is not its number in words (it must be "one", "two", ...).
WINTEST_CHILD(ReadStationsElsewhere) {
  KvAuxLibrary aux;
  if (!aux.complete()) return -1;
  uint32_t count = 0;
  StationInfo* list = aux.StationList(&count);
  static const char* const kWords[] = {"one", "two", "three"};
  int result = static_cast<int>(count);
  for (uint32_t i = 0; i < count && i < 3; ++i)
    if (std::strcmp(list[i].name, kWords[i]) != 0 || list[i].number != i + 1) result += 1000;
  aux.FreeBuffer(list);
  return result;
}

class KvAuxLists : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(aux.complete()); }
  wintest::IsolatedSettings settings;
  KvAuxLibrary aux;
};

}  // namespace

TEST_F(KvAuxLists, FilterListIsReadFromTheStore) {
  EXPECT_FALSE(aux.IsFilterActive("Prismo.dll"));  // no key at all
  Store("KvFilters", "Filters", NamesBytes({"Prismo.dll", "Tonal10.dll"}));
  EXPECT_TRUE(aux.IsFilterActive("PRISMO.DLL"));
  EXPECT_TRUE(aux.IsFilterActive("Tonal10.dll"));
  EXPECT_FALSE(aux.IsFilterActive("Tonal31.dll"));
  EXPECT_FALSE(aux.IsFilterActive(nullptr));
}

TEST_F(KvAuxLists, StationListComesFromTheStoreAndGoesBackToTheLibrary) {
  uint32_t count = 99;
  EXPECT_EQ(aux.StationList(&count), nullptr);  // missing key
  EXPECT_EQ(count, 0u);

  for (const Bytes& tooShort : {Bytes{}, Bytes{1, 0, 0, 0, 2, 0, 0, 0}}) {
    Store("KvStations", "Stations", tooShort);
    count = 99;
    EXPECT_EQ(aux.StationList(&count), nullptr);
    EXPECT_EQ(count, 0u);
  }

  Bytes stored = Join({StationBytes(kStationFlagButton, 87500000, "One"),
                       StationBytes(6, 101700000, std::string(300, 'x')), StationBytes(0, 90000000, "cut")});
  stored.pop_back();
  Store("KvStations", "Stations", stored);
  StationInfo* list = aux.StationList(&count);
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(count, 2u);
  EXPECT_EQ(list[0].frequency, 87500000u);
  EXPECT_EQ(list[0].flags, kStationFlagButton);
  EXPECT_EQ(list[0].number, 1u);
  EXPECT_STREQ(list[0].name, "One");
  EXPECT_EQ(list[1].flags, 6u);
  EXPECT_EQ(list[1].number, 2u);
  EXPECT_EQ(std::strlen(list[1].name), 255u);
  aux.FreeBuffer(list);
  aux.FreeBuffer(nullptr);
}

TEST_F(KvAuxLists, AnotherProcessReadsTheSameStations) {
  EXPECT_EQ(wintest::RunChild("ReadStationsElsewhere"), 0);
  Store("KvStations", "Stations",
        Join({StationBytes(0, 1, "one"), StationBytes(1, 2, "two"), StationBytes(0, 3, "three")}));
  EXPECT_EQ(wintest::RunChild("ReadStationsElsewhere"), 3);
}

TEST_F(KvAuxLists, FrequencyTextsCrossTheBoundary) {
  char text[kStationNameSize + 16] = {};
  aux.Freq2Text(101105000, text);
  EXPECT_STREQ(text, "101.105");
  aux.Freq2Text(4294967295u, text);
  EXPECT_STREQ(text, "4294.967295");
  aux.Freq2Text(1, nullptr);  // ignored
  EXPECT_EQ(aux.Text2Freq("87.5"), 87500000u);
  EXPECT_EQ(aux.Text2Freq("4295"), 0xFFFFFFFFu);
  EXPECT_EQ(aux.Text2Freq(nullptr), 0u);
  aux.Station(101700000, "Jazz", text);
  EXPECT_STREQ(text, "101.7 - Jazz");
  std::strcpy(text, "kept");
  aux.Station(101700000, nullptr, text);
  aux.Station(101700000, "Jazz", nullptr);
  EXPECT_STREQ(text, "kept");
}

TEST_F(KvAuxLists, PresetsComeBackRepairedFromTheChosenEqualizer) {
  EqualizerPreset ten[2] = {};
  std::strcpy(ten[0].name, "Ten");
  ten[0].passThrough = 0x12345678;
  ten[0].leftAmp = 500;
  ten[1].rightGain[9] = -1000;
  std::memset(ten[1].name, 'x', sizeof ten[1].name);
  Bytes stored(sizeof ten + 88, 0xAB);  // 400 bytes: two records and a remainder
  std::memcpy(stored.data(), ten, sizeof ten);
  Store("Tonal10", "Presets", stored);

  int32_t bands = 10;
  uint32_t count = 0;
  auto* back = static_cast<EqualizerPreset*>(aux.GetPresets(&bands, &count));
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(bands, 10);
  ASSERT_EQ(count, 2u);
  EXPECT_STREQ(back[0].name, "Ten");
  EXPECT_EQ(back[0].passThrough, 0x12345678);
  EXPECT_EQ(back[0].leftAmp, 200);
  EXPECT_EQ(back[1].rightGain[9], -100);
  EXPECT_EQ(std::string(back[1].name), std::string(63, 'x'));
  aux.FreeBuffer(back);

  // Another band count follows the filter list; nothing active gives nothing.
  bands = 0;
  count = 5;
  EXPECT_EQ(aux.GetPresets(&bands, &count), nullptr);
  EXPECT_EQ(count, 0u);
  EXPECT_EQ(bands, 0);
  Store("KvFilters", "Filters", NamesBytes({"Tonal10.dll"}));
  back = static_cast<EqualizerPreset*>(aux.GetPresets(&bands, &count));
  EXPECT_EQ(bands, 10);
  EXPECT_EQ(count, 2u);
  aux.FreeBuffer(back);

  // With both active the 31-band list wins, even while it is missing.
  Store("KvFilters", "Filters", NamesBytes({"Tonal10.dll", "Tonal31.dll"}));
  bands = 7;
  EXPECT_EQ(aux.GetPresets(&bands, &count), nullptr);
  EXPECT_EQ(bands, 31);
  EXPECT_EQ(count, 0u);
}

TEST_F(KvAuxLists, WrittenPresetsReplaceTheWholeList) {
  EqualizerPreset31 one{};
  std::strcpy(one.name, "Wide");
  one.leftGain[30] = 350;
  ASSERT_TRUE(aux.SetPresets(31, &one, 1));
  int32_t bands = 31;
  uint32_t count = 0;
  auto* back = static_cast<EqualizerPreset31*>(aux.GetPresets(&bands, &count));
  ASSERT_NE(back, nullptr);
  ASSERT_EQ(count, 1u);
  EXPECT_STREQ(back[0].name, "Wide");
  EXPECT_EQ(back[0].leftGain[30], 350);
  aux.FreeBuffer(back);

  // Any count but 31 writes the 10-band list.
  EqualizerPreset ten[3] = {};
  ASSERT_TRUE(aux.SetPresets(12, ten, 3));
  EXPECT_EQ(kv::ReadBinary("Tonal10", "Presets")->size(), 3 * sizeof(EqualizerPreset));
  ASSERT_TRUE(aux.SetPresets(10, nullptr, 0));
  EXPECT_EQ(kv::ReadBinary("Tonal10", "Presets")->size(), 0u);
  bands = 10;
  EXPECT_EQ(aux.GetPresets(&bands, &count), nullptr);
  EXPECT_EQ(count, 0u);

  // Records that are not there, or too many for one value, are refused.
  EXPECT_FALSE(aux.SetPresets(10, nullptr, 2));
  EXPECT_FALSE(aux.SetPresets(31, &one, 0xFFFFFFFF / 324 + 1));
  EXPECT_EQ(kv::ReadBinary("Tonal31", "Presets")->size(), sizeof(EqualizerPreset31));
}

// The exports of a test build whose allocations fail on request: what each
// answers when memory runs out, rather than an exception into the caller.
TEST_F(KvAuxLists, RunningOutOfMemoryGivesEachExportsFailureAnswer) {
  Store("KvStations", "Stations", StationBytes(kStationFlagButton, 87500000, "One"));
  Store("KvFilters", "Filters", NamesBytes({"Prismo.dll", "Tonal10.dll"}));
  Store("Tonal10", "Presets", Bytes(sizeof(EqualizerPreset), 0));
  KvAuxLibrary probe("KvAuxProbe.dll");
  ASSERT_TRUE(probe.complete());
  const auto failAllocations = probe.Export<void(KV_CALL*)(KvBool)>("FailAllocations");
  ASSERT_NE(failAllocations, nullptr);
  uint32_t count = 0;
  StationInfo* stations = probe.StationList(&count);
  EXPECT_EQ(count, 1u);  // the same library when memory suffices
  probe.FreeBuffer(stations);

  failAllocations(1);
  count = 99;
  EXPECT_EQ(probe.StationList(&count), nullptr);
  EXPECT_EQ(count, 0u);
  int32_t bands = 10;
  count = 99;
  EXPECT_EQ(probe.GetPresets(&bands, &count), nullptr);
  EXPECT_EQ(count, 0u);
  EXPECT_FALSE(probe.IsFilterActive("Prismo.dll"));
  EXPECT_EQ(probe.GetVersion(), 0u);
  TextMark marks[1] = {{7, 7, 'b'}};
  probe.RESetText(nullptr, 0, "\\bA heading long enough to need memory\\b", marks, 1);
  EXPECT_EQ(marks[0].start, 7);  // nothing done, as when the text cannot be copied
  failAllocations(0);

  EXPECT_TRUE(probe.IsFilterActive("Prismo.dll"));
}
