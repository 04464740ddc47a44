// Owned-value wrappers over KvIni.dll for the Win32 side of every module:
// the store's buffers are always released before these return.
#pragma once

#include "host/settings_reader.h"

namespace kv {

std::optional<std::string> ReadString(const char* section, const char* key);
std::optional<std::vector<uint8_t>> ReadBinary(const char* section, const char* key);
uint32_t ReadDword(const char* section, const char* key, uint32_t fallback);
std::optional<uint32_t> ReadDword(const char* section, const char* key);

// The settings store behind the SettingsReader interface.
class StoreSettings final : public SettingsReader {
 public:
  std::optional<uint32_t> Dword(const char* section, const char* key) const override {
    return ReadDword(section, key);
  }
  std::optional<std::string> String(const char* section, const char* key) const override {
    return ReadString(section, key);
  }
  std::optional<std::vector<uint8_t>> Binary(const char* section, const char* key) const override {
    return ReadBinary(section, key);
  }
};

}  // namespace kv
