#include "graphic/core/number_text.h"

#include <cstdio>

namespace vrx {

std::string GroupedNumber(uint32_t n, const char* unit) {
  const unsigned g3 = n / 1000000 % 1000, g2 = n / 1000 % 1000, g1 = n % 1000;
  char text[64];
  if (g3 != 0)
    std::snprintf(text, sizeof text, "%u %03u %03u %s", g3, g2, g1, unit);
  else if (g2 != 0)
    std::snprintf(text, sizeof text, "%u %03u %s", g2, g1, unit);
  else
    std::snprintf(text, sizeof text, "%u %s", g1, unit);
  return text;
}

std::string SizeText(uint64_t bytes) {
  // Kilobytes stay 64 bits wide: disks of 4 TB and more are common, and a
  // 32-bit count would wrap and report a small size for them.
  const uint64_t k = bytes / 1024;
  if (k / 1048576 >= 2) return GroupedNumber(static_cast<uint32_t>(k / 1048576), "GB");
  if (k / 1024 >= 2) return GroupedNumber(static_cast<uint32_t>(k / 1024), "MB");
  return GroupedNumber(static_cast<uint32_t>(k), "KB");
}

}  // namespace vrx
