// A small station list for the engine's unit tests.
#pragma once

#include <cstring>
#include <vector>

#include "host/records.h"

namespace enginetest {

inline StationInfo Station(uint32_t hertz, uint32_t flags, uint32_t number, const char* name) {
  StationInfo s{};
  s.frequency = hertz;
  s.flags = flags;
  s.number = number;
  std::strncpy(s.name, name, sizeof s.name - 1);
  return s;
}

// Stored order is not frequency order; two of the four are buttons.
inline std::vector<StationInfo> FourStations() {
  return {Station(101'700'000, 1, 1, "Alpha"), Station(89'300'000, 0, 2, "Beta"),
          Station(104'550'000, 1 | 6, 3, "Gamma"), Station(95'000'000, 0, 4, "Delta")};
}

}  // namespace enginetest
