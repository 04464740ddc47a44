// Numbers told in groups of three digits, and byte counts told in KB, MB or
// GB, for the information displays.
#pragma once

#include <cstdint>
#include <string>

namespace vrx {

// 1234567 with "KB" reads "1 234 567 KB"; only the lowest nine digits count.
std::string GroupedNumber(uint32_t n, const char* unit);

// A byte count in whole KB, MB or GB: a unit is used from two of it upward,
// so 1.5 GB reads in MB and 1.5 MB in KB.
std::string SizeText(uint64_t bytes);

}  // namespace vrx
