// The stored lists and frequency texts through KvAux.dll, loaded by name, with
// the real settings store underneath.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "auxui/tests/kvaux_library.h"
#include "auxui/tests/stored_bytes.h"
#include "host/kv_ini.h"
#include "tests/support/wintest.h"

namespace {

void Store(const char* section, const char* key, const Bytes& value) {
  ASSERT_TRUE(KvIniSetBinary(section, key, value.data(), static_cast<uint32_t>(value.size())));
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
