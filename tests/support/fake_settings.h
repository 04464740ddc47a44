// Settings held in memory for unit tests of the portable core, keyed by
// section and key as the store keys them.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/settings_reader.h"

namespace wintest {

class FakeSettings final : public SettingsReader {
 public:
  using Key = std::pair<std::string, std::string>;  // section, key
  std::map<Key, uint32_t> dwords;
  std::map<Key, std::string> strings;
  std::map<Key, std::vector<uint8_t>> binaries;

  std::optional<uint32_t> Dword(const char* section, const char* key) const override {
    return Find(dwords, section, key);
  }
  std::optional<std::string> String(const char* section, const char* key) const override {
    return Find(strings, section, key);
  }
  std::optional<std::vector<uint8_t>> Binary(const char* section, const char* key) const override {
    return Find(binaries, section, key);
  }

 private:
  template <class T>
  static std::optional<T> Find(const std::map<Key, T>& values, const char* section, const char* key) {
    const auto it = values.find({section, key});
    return it == values.end() ? std::nullopt : std::optional<T>(it->second);
  }
};

}  // namespace wintest
