// The stored station list (KvStations/Stations): a plain run of records of
// flags, frequency and a NUL-terminated name, with no count and no padding.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "host/records.h"

struct StoredStation {
  uint32_t flags;
  uint32_t frequency;
  std::string_view name;  // without its NUL
};

// Walks the whole records of a stored list in order. A record whose name
// has no NUL before the end of the value ends the walk, as do fewer than
// the 9 bytes of the smallest record.
class StationWalk {
 public:
  explicit StationWalk(std::span<const uint8_t> stored) : rest_(stored) {}
  bool Next(StoredStation& station);

 private:
  std::span<const uint8_t> rest_;
};

uint32_t CountStations(std::span<const uint8_t> stored);

// The handed-out form; the name is cut to what fits with its NUL.
StationInfo ToStationInfo(const StoredStation& station, uint32_t number);

// Fills up to capacity records in stored order, numbered from 1; returns how
// many were filled.
uint32_t ReadStations(std::span<const uint8_t> stored, StationInfo* out, uint32_t capacity);
