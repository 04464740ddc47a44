// The user's station list as stored in KvStations/Stations: a plain run of
// records, each a 32-bit flags word, a 32-bit frequency (little-endian) and
// a NUL-terminated name. The engine stands outside the suite and reads the
// list itself, sharing no code with the library the modules read it through.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "host/records.h"

namespace engine {

// Every whole record in stored order, numbered from 1, names cut to 255
// characters. A record cut short ends the list, and so does a tail too
// short to hold one.
std::vector<StationInfo> ParseStationList(const uint8_t* bytes, size_t size);

}  // namespace engine
