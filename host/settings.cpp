#include "host/settings.h"

#include <memory>

#include "host/kv_ini.h"

namespace kv {
namespace {
struct StoreBufferFree {
  void operator()(void* p) const { KvIniFreeBuffer(p); }
};
using StoreBuffer = std::unique_ptr<void, StoreBufferFree>;
}  // namespace

std::optional<std::string> ReadString(const char* section, const char* key) {
  char* text = nullptr;
  if (!KvIniGetString(section, key, &text) || text == nullptr) return std::nullopt;
  StoreBuffer owned(text);
  return std::string(text);
}

std::optional<std::vector<uint8_t>> ReadBinary(const char* section, const char* key) {
  void* data = nullptr;
  uint32_t size = 0;
  const bool found = KvIniGetBinary(section, key, &data, &size) != 0;
  StoreBuffer owned(data);
  if (!found) return std::nullopt;
  const auto* bytes = static_cast<const uint8_t*>(data);
  return std::vector<uint8_t>(bytes, bytes + (bytes ? size : 0));
}

std::optional<uint32_t> ReadDword(const char* section, const char* key) {
  uint32_t value = 0;
  if (!KvIniGetDword(section, key, &value)) return std::nullopt;
  return value;
}

uint32_t ReadDword(const char* section, const char* key, uint32_t fallback) {
  return ReadDword(section, key).value_or(fallback);
}

}  // namespace kv
