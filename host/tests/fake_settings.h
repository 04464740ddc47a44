// Settings for unit tests of the portable core: DWORDs held in a map by
// "Section/Key"; texts and binaries are always missing.
#pragma once

#include <map>
#include <string>

#include "host/settings_reader.h"

namespace kvtest {

class FakeSettings final : public SettingsReader {
 public:
  std::map<std::string, uint32_t> words;  // "Section/Key"
  std::optional<uint32_t> Dword(const char* section, const char* key) const override {
    const auto it = words.find(std::string(section) + "/" + key);
    return it == words.end() ? std::nullopt : std::optional<uint32_t>(it->second);
  }
  std::optional<std::string> String(const char*, const char*) const override { return std::nullopt; }
  std::optional<std::vector<uint8_t>> Binary(const char*, const char*) const override { return std::nullopt; }
};

}  // namespace kvtest
