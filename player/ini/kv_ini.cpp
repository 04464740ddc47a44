// The settings store: one registry key per section under HKEY_CURRENT_USER,
// DWORD, string and binary values. KVINI_ROOT, when set, replaces the root
// key so that tests and demos run isolated from a user's settings.
#include "host/kv_ini.h"

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr char kDefaultRoot[] = "Software\\Tavrin\\FM Player";
constexpr char kRootVariable[] = "KVINI_ROOT";

class RegKey {
 public:
  RegKey() = default;
  RegKey(const RegKey&) = delete;
  RegKey& operator=(const RegKey&) = delete;
  ~RegKey() {
    if (key_) RegCloseKey(key_);
  }
  HKEY* out() { return &key_; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

std::string SectionPath(const char* section) {
  std::string root = kDefaultRoot;
  char buffer[512];
  const DWORD n = GetEnvironmentVariableA(kRootVariable, buffer, sizeof buffer);
  if (n > 0 && n < sizeof buffer) root.assign(buffer, n);
  return root + "\\" + section;
}

bool OpenSection(const char* section, REGSAM access, RegKey& key) {
  if (!section) return false;
  return RegOpenKeyExA(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, access, key.out()) ==
         ERROR_SUCCESS;
}

bool CreateSection(const char* section, RegKey& key) {
  if (!section) return false;
  return RegCreateKeyExA(HKEY_CURRENT_USER, SectionPath(section).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                         nullptr, key.out(), nullptr) == ERROR_SUCCESS;
}

// Reads a value of any type; retries when it grows between the two queries.
bool ReadValue(const char* section, const char* key, DWORD& type, std::vector<BYTE>& bytes) {
  if (!key) return false;
  RegKey k;
  if (!OpenSection(section, KEY_QUERY_VALUE, k)) return false;
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

void* Allocate(size_t size) { return HeapAlloc(GetProcessHeap(), 0, size == 0 ? 1 : size); }

bool WriteValue(const char* section, const char* key, DWORD type, const void* data, DWORD size) {
  if (!key) return false;
  RegKey k;
  if (!CreateSection(section, k)) return false;
  return RegSetValueExA(k.get(), key, 0, type, static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
}

}  // namespace

KV_EXTERN_C KvBool KV_CALL KvIniGetDword(const char* section, const char* key, uint32_t* value) {
  DWORD type = 0;
  std::vector<BYTE> bytes;
  if (!value || !ReadValue(section, key, type, bytes)) return 0;
  if (type != REG_DWORD || bytes.size() != sizeof(uint32_t)) return 0;
  std::memcpy(value, bytes.data(), sizeof(uint32_t));
  return 1;
}

KV_EXTERN_C void KV_CALL KvIniSetDword(const char* section, const char* key, uint32_t value) {
  WriteValue(section, key, REG_DWORD, &value, sizeof value);
}

KV_EXTERN_C KvBool KV_CALL KvIniGetString(const char* section, const char* key, char** text) {
  DWORD type = 0;
  std::vector<BYTE> bytes;
  if (!text || !ReadValue(section, key, type, bytes)) return 0;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return 0;
  // The stored bytes need not end with a NUL; the copy always does.
  size_t length = strnlen(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  char* copy = static_cast<char*>(Allocate(length + 1));
  if (!copy) return 0;
  std::memcpy(copy, bytes.data(), length);
  copy[length] = '\0';
  *text = copy;
  return 1;
}

KV_EXTERN_C void KV_CALL KvIniSetString(const char* section, const char* key, const char* text) {
  if (text) {
    WriteValue(section, key, REG_SZ, text, static_cast<DWORD>(std::strlen(text) + 1));
    return;
  }
  RegKey k;
  if (key && OpenSection(section, KEY_SET_VALUE, k)) RegDeleteValueA(k.get(), key);
}

KV_EXTERN_C KvBool KV_CALL KvIniGetBinary(const char* section, const char* key, void** data, uint32_t* size) {
  if (data) *data = nullptr;
  if (size) *size = 0;
  DWORD type = 0;
  std::vector<BYTE> bytes;
  if (!data || !size || !ReadValue(section, key, type, bytes)) return 0;
  void* copy = Allocate(bytes.size());
  if (!copy) return 0;
  if (!bytes.empty()) std::memcpy(copy, bytes.data(), bytes.size());
  *data = copy;
  *size = static_cast<uint32_t>(bytes.size());
  return 1;
}

KV_EXTERN_C KvBool KV_CALL KvIniSetBinary(const char* section, const char* key, const void* data, uint32_t size) {
  if (!data && size != 0) return 0;
  return WriteValue(section, key, REG_BINARY, data, size) ? 1 : 0;
}

KV_EXTERN_C void KV_CALL KvIniFreeBuffer(void* buffer) {
  if (buffer) HeapFree(GetProcessHeap(), 0, buffer);
}
