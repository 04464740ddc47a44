// Settings as the portable core sees them: read-only lookups that answer
// "missing" instead of a default, so each caller keeps its own default.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class SettingsReader {
 public:
  virtual ~SettingsReader() = default;
  virtual std::optional<uint32_t> Dword(const char* section, const char* key) const = 0;
  virtual std::optional<std::string> String(const char* section, const char* key) const = 0;
  virtual std::optional<std::vector<uint8_t>> Binary(const char* section, const char* key) const = 0;

  uint32_t DwordOr(const char* section, const char* key, uint32_t fallback) const {
    return Dword(section, key).value_or(fallback);
  }
};
