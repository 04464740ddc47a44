// The settings store as its callers use it: through the DLL's exports, with
// values crossing from one process to another started later.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "host/kv_ini.h"
#include "host/settings.h"
#include "host/win_handle.h"
#include "tests/support/wintest.h"

namespace {

constexpr char kSection[] = "KvTest";
const std::vector<uint8_t> kBlob = {0, 1, 2, 0xFF, 0x80, 0, 7};

WINTEST_CHILD(WriteEveryKind) {
  KvIniSetDword(kSection, "Number", 0xDEADBEEF);
  KvIniSetString(kSection, "Text", "Hello, store");
  return KvIniSetBinary(kSection, "Blob", kBlob.data(), static_cast<uint32_t>(kBlob.size())) ? 0 : 1;
}

WINTEST_CHILD(ReadEveryKind) {
  if (kv::ReadDword(kSection, "Number", 0) != 0xDEADBEEF) return 1;
  if (kv::ReadString(kSection, "Text") != std::string("Hello, store")) return 2;
  if (kv::ReadBinary(kSection, "Blob") != kBlob) return 3;
  return 0;
}

WINTEST_CHILD(CountKeys) {
  // Exit code: how many of the three values this process sees.
  return kv::ReadDword(kSection, "Number").has_value() + kv::ReadString(kSection, "Text").has_value() +
         kv::ReadBinary(kSection, "Blob").has_value();
}

TEST(KvIni, EveryValueKindCrossesToAProcessStartedLater) {
  wintest::IsolatedSettings settings;
  ASSERT_EQ(wintest::RunChild("WriteEveryKind"), 0);
  EXPECT_EQ(kv::ReadDword(kSection, "Number", 0), 0xDEADBEEFu);
  EXPECT_EQ(kv::ReadString(kSection, "Text"), std::string("Hello, store"));
  EXPECT_EQ(kv::ReadBinary(kSection, "Blob"), kBlob);

  KvIniSetDword(kSection, "Number", 0xDEADBEEF);
  EXPECT_EQ(wintest::RunChild("ReadEveryKind"), 0);
}

TEST(KvIni, IsolatedRootsDoNotSeeEachOther) {
  {
    wintest::IsolatedSettings first;
    ASSERT_EQ(wintest::RunChild("WriteEveryKind"), 0);
    EXPECT_EQ(wintest::RunChild("CountKeys"), 3);
    wintest::IsolatedSettings second;
    EXPECT_EQ(wintest::RunChild("CountKeys"), 0);
  }
}

TEST(KvIni, MissingKeysLeaveTheCallersValueAlone) {
  wintest::IsolatedSettings settings;
  uint32_t value = 1234;
  EXPECT_FALSE(KvIniGetDword(kSection, "Absent", &value));
  EXPECT_EQ(value, 1234u);
  char* text = reinterpret_cast<char*>(0x1);
  EXPECT_FALSE(KvIniGetString(kSection, "Absent", &text));
  EXPECT_EQ(text, reinterpret_cast<char*>(0x1));
  EXPECT_FALSE(KvIniGetString("NoSuchSection", "Absent", &text));

  // A key of another kind is missing for the typed reads.
  KvIniSetString(kSection, "Text", "12");
  EXPECT_FALSE(KvIniGetDword(kSection, "Text", &value));
  EXPECT_EQ(value, 1234u);
}

TEST(KvIni, MissingBinaryGivesNullAndZero) {
  wintest::IsolatedSettings settings;
  void* data = reinterpret_cast<void*>(0x1);
  uint32_t size = 77;
  EXPECT_FALSE(KvIniGetBinary(kSection, "Absent", &data, &size));
  EXPECT_EQ(data, nullptr);
  EXPECT_EQ(size, 0u);
  KvIniFreeBuffer(data);  // one caller frees without testing the result
  KvIniFreeBuffer(nullptr);
}

TEST(KvIni, NullTextDeletesTheKey) {
  wintest::IsolatedSettings settings;
  KvIniSetString(kSection, "Lang", "german.lng");
  ASSERT_TRUE(kv::ReadString(kSection, "Lang").has_value());
  KvIniSetString(kSection, "Lang", nullptr);
  EXPECT_FALSE(kv::ReadString(kSection, "Lang").has_value());
  KvIniSetString(kSection, "NeverThere", nullptr);  // nothing to delete: no harm
  EXPECT_FALSE(kv::ReadString(kSection, "NeverThere").has_value());
}

TEST(KvIni, BoundaryValues) {
  wintest::IsolatedSettings settings;
  // An empty binary value is a present value of 0 bytes with a real buffer.
  EXPECT_TRUE(KvIniSetBinary(kSection, "Empty", nullptr, 0));
  void* data = nullptr;
  uint32_t size = 5;
  ASSERT_TRUE(KvIniGetBinary(kSection, "Empty", &data, &size));
  EXPECT_NE(data, nullptr);
  EXPECT_EQ(size, 0u);
  KvIniFreeBuffer(data);
  EXPECT_FALSE(KvIniSetBinary(kSection, "Bad", nullptr, 4));

  // A text of a few megabytes survives whole.
  std::string big(3 << 20, 'x');
  for (size_t i = 0; i < big.size(); i += 4099) big[i] = static_cast<char>('a' + i % 26);
  KvIniSetString(kSection, "Big", big.c_str());
  EXPECT_EQ(kv::ReadString(kSection, "Big"), big);

  KvIniSetString(kSection, "Blank", "");
  EXPECT_EQ(kv::ReadString(kSection, "Blank"), std::string());

  // Names past what the store can hold are refused quietly, not crashed on.
  const std::string longName(20000, 'K');
  KvIniSetDword(longName.c_str(), "Key", 1);
  KvIniSetDword(kSection, longName.c_str(), 1);
  uint32_t value = 9;
  KvIniGetDword(longName.c_str(), "Key", &value);
  KvIniGetDword(kSection, longName.c_str(), &value);
  const std::string okName(200, 'k');
  KvIniSetDword(kSection, okName.c_str(), 42);
  EXPECT_EQ(kv::ReadDword(kSection, okName.c_str(), 0), 42u);

  // Null arguments are refused.
  EXPECT_FALSE(KvIniGetDword(nullptr, "Key", &value));
  EXPECT_FALSE(KvIniGetDword(kSection, nullptr, &value));
  KvIniSetDword(nullptr, nullptr, 1);
}

TEST(KvIni, StoredStringWithoutTerminatorIsReadWhole) {
  wintest::IsolatedSettings settings;
  KvIniSetDword(kSection, "Touch", 0);  // creates the section key
  HKEY key = nullptr;
  const std::string path = settings.root() + "\\" + kSection;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
  RegSetValueExA(key, "Raw", 0, REG_SZ, reinterpret_cast<const BYTE*>("abc"), 3);
  RegCloseKey(key);
  EXPECT_EQ(kv::ReadString(kSection, "Raw"), std::string("abc"));
}

// The store's exports from its test build, whose allocations fail on request.
struct FailingStore {
  kv::Library library{LoadLibraryA("KvIniProbe.dll")};
  decltype(&KvIniGetDword) GetDword = library.Export<decltype(GetDword)>("KvIniGetDword");
  decltype(&KvIniSetDword) SetDword = library.Export<decltype(SetDword)>("KvIniSetDword");
  decltype(&KvIniGetString) GetString = library.Export<decltype(GetString)>("KvIniGetString");
  decltype(&KvIniSetString) SetString = library.Export<decltype(SetString)>("KvIniSetString");
  decltype(&KvIniGetBinary) GetBinary = library.Export<decltype(GetBinary)>("KvIniGetBinary");
  decltype(&KvIniSetBinary) SetBinary = library.Export<decltype(SetBinary)>("KvIniSetBinary");
  decltype(&KvIniFreeBuffer) FreeBuffer = library.Export<decltype(FreeBuffer)>("KvIniFreeBuffer");
  void(KV_CALL* FailAllocations)(KvBool) = library.Export<decltype(FailAllocations)>("FailAllocations");

  bool complete() const {
    return GetDword && SetDword && GetString && SetString && GetBinary && SetBinary && FreeBuffer && FailAllocations;
  }
};

TEST(KvIni, RunningOutOfMemoryGivesEachExportsFailureAnswer) {
  wintest::IsolatedSettings settings;
  KvIniSetDword(kSection, "Number", 7);
  KvIniSetString(kSection, "Text", "kept");
  KvIniSetBinary(kSection, "Blob", kBlob.data(), static_cast<uint32_t>(kBlob.size()));
  FailingStore store;
  ASSERT_TRUE(store.complete());
  uint32_t value = 0;
  ASSERT_TRUE(store.GetDword(kSection, "Number", &value));  // the same store when memory suffices

  store.FailAllocations(1);
  value = 1234;
  EXPECT_FALSE(store.GetDword(kSection, "Number", &value));
  EXPECT_EQ(value, 1234u);
  char untouched = 0;
  char* text = &untouched;
  EXPECT_FALSE(store.GetString(kSection, "Text", &text));
  EXPECT_EQ(text, &untouched);
  void* data = &untouched;
  uint32_t size = 77;
  EXPECT_FALSE(store.GetBinary(kSection, "Blob", &data, &size));
  EXPECT_EQ(data, nullptr);
  EXPECT_EQ(size, 0u);
  EXPECT_FALSE(store.SetBinary(kSection, "Other", kBlob.data(), static_cast<uint32_t>(kBlob.size())));
  store.SetDword(kSection, "Number", 8);
  store.SetString(kSection, "Text", "lost");
  store.SetString(kSection, "Text", nullptr);
  store.FreeBuffer(nullptr);
  store.FailAllocations(0);

  EXPECT_EQ(kv::ReadDword(kSection, "Number", 0), 7u);
  EXPECT_EQ(kv::ReadString(kSection, "Text"), std::string("kept"));
  EXPECT_FALSE(kv::ReadBinary(kSection, "Other").has_value());
}

}  // namespace
