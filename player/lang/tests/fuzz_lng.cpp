#include <cstddef>
#include <cstdint>
#include <string_view>

#include "player/lang/lng_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto table = lang::ParseLng(std::string_view(reinterpret_cast<const char*>(data), size));
  for (const auto& [key, text] : table) {
    if (key.empty() || key.find('\0') != std::string::npos) __builtin_trap();
    (void)text;
  }
  return 0;
}
