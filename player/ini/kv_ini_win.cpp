// The settings store: one registry key per section under HKEY_CURRENT_USER,
// DWORD, string and binary values. KVINI_ROOT, when set, replaces the root
// key so that tests and demos run isolated from a user's settings.
#include "host/kv_ini.h"

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "host/no_throw.h"
#include "host/owner.h"
#include "host/win_handle.h"

namespace {

constexpr char kDefaultRoot[] = "Software\\Tavrin\\FM Player";
constexpr char kRootVariable[] = "KVINI_ROOT";

struct RegKeyTraits {
  using Handle = HKEY;
  static constexpr Handle Null() { return nullptr; }
  static bool Valid(Handle h) { return h != nullptr; }
  static void Release(Handle h) { RegCloseKey(h); }
};
using RegKey = kv::Owner<RegKeyTraits>;

std::string SectionPath(const char* section) {
  std::string root = kDefaultRoot;
  char buffer[512];
  const DWORD n = GetEnvironmentVariableA(kRootVariable, buffer, sizeof buffer);
  if (n > 0 && n < sizeof buffer) root.assign(buffer, n);
  return root + "\\" + section;
}

RegKey OpenSection(const char* section, REGSAM access) {
  HKEY key = nullptr;
  if (!section || RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, access, &key) != ERROR_SUCCESS)
    return {};
  return RegKey(key);
}

RegKey CreateSection(const char* section) {
  HKEY key = nullptr;
  if (!section || RegCreateKeyExA(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, &key, nullptr) != ERROR_SUCCESS)
    return {};
  return RegKey(key);
}

// Reads a value of any type; retries when it grows between the two queries.
bool ReadValue(const char* section, const char* key, DWORD& type, std::vector<BYTE>& bytes) {
  if (!key) return false;
  const RegKey k = OpenSection(section, KEY_QUERY_VALUE);
  if (!k) return false;
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD size = 0;
    if (RegQueryValueExA(k.get(), key, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
    bytes.resize(size);
    const LONG rc = RegQueryValueExA(k.get(), key, nullptr, &type, bytes.empty() ? nullptr : bytes.data(), &size);
    if (rc == ERROR_SUCCESS) {
      bytes.resize(size);
      return true;
    }
    if (rc != ERROR_MORE_DATA) return false;
  }
  return false;
}

// Buffers handed to callers come from the process heap; KvIniFreeBuffer
// gives them back.
kv::HeapBlock Allocate(size_t size) { return kv::HeapBlock(GetProcessHeap(), size == 0 ? 1 : size); }

bool WriteValue(const char* section, const char* key, DWORD type, const void* data, DWORD size) {
  if (!key) return false;
  const RegKey k = CreateSection(section);
  if (!k) return false;
  return RegSetValueExA(k.get(), key, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
}

}  // namespace

KV_EXTERN_C KvBool KV_CALL KvIniGetDword(const char* section, const char* key, uint32_t* value) {
  return kv::NoThrow<KvBool>(0, [&]() -> KvBool {
    DWORD type = 0;
    std::vector<BYTE> bytes;
    if (!value || !ReadValue(section, key, type, bytes)) return 0;
    if (type != REG_DWORD || bytes.size() != sizeof(uint32_t)) return 0;
    std::memcpy(value, bytes.data(), sizeof(uint32_t));
    return 1;
  });
}

KV_EXTERN_C void KV_CALL KvIniSetDword(const char* section, const char* key, uint32_t value) {
  kv::NoThrow([&] { WriteValue(section, key, REG_DWORD, &value, sizeof value); });
}

KV_EXTERN_C KvBool KV_CALL KvIniGetString(const char* section, const char* key, char** text) {
  return kv::NoThrow<KvBool>(0, [&]() -> KvBool {
    DWORD type = 0;
    std::vector<BYTE> bytes;
    if (!text || !ReadValue(section, key, type, bytes)) return 0;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return 0;
    // The stored bytes need not end with a NUL; the copy always does.
    const size_t length = strnlen(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    kv::HeapBlock copy = Allocate(length + 1);
    if (!copy) return 0;
    auto* chars = static_cast<char*>(copy.data());
    std::memcpy(chars, bytes.data(), length);
    chars[length] = '\0';
    *text = static_cast<char*>(copy.release().block);
    return 1;
  });
}

KV_EXTERN_C void KV_CALL KvIniSetString(const char* section, const char* key, const char* text) {
  kv::NoThrow([&] {
    if (text) {
      WriteValue(section, key, REG_SZ, text, static_cast<DWORD>(std::strlen(text) + 1));
      return;
    }
    if (!key) return;
    if (const RegKey k = OpenSection(section, KEY_SET_VALUE)) RegDeleteValueA(k.get(), key);
  });
}

KV_EXTERN_C KvBool KV_CALL KvIniGetBinary(const char* section, const char* key, void** data, uint32_t* size) {
  if (data) *data = nullptr;
  if (size) *size = 0;
  return kv::NoThrow<KvBool>(0, [&]() -> KvBool {
    DWORD type = 0;
    std::vector<BYTE> bytes;
    if (!data || !size || !ReadValue(section, key, type, bytes)) return 0;
    kv::HeapBlock copy = Allocate(bytes.size());
    if (!copy) return 0;
    if (!bytes.empty()) std::memcpy(copy.data(), bytes.data(), bytes.size());
    *size = static_cast<uint32_t>(bytes.size());
    *data = copy.release().block;
    return 1;
  });
}

KV_EXTERN_C KvBool KV_CALL KvIniSetBinary(const char* section, const char* key, const void* data, uint32_t size) {
  if (!data && size != 0) return 0;
  return kv::NoThrow<KvBool>(0, [&]() -> KvBool { return WriteValue(section, key, REG_BINARY, data, size) ? 1 : 0; });
}

KV_EXTERN_C void KV_CALL KvIniFreeBuffer(void* buffer) {
  kv::Owner<kv::HeapBlockTraits> handedBack(kv::HeapBlockHandle{GetProcessHeap(), buffer});
}
