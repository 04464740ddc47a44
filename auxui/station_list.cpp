#include "auxui/station_list.h"

#include <algorithm>
#include <cstring>

bool StationWalk::Next(StoredStation& station) {
  constexpr size_t kHead = sizeof(StationRecordHead);
  if (rest_.size() < kHead + 1) return false;
  const uint8_t* name = rest_.data() + kHead;
  const void* nul = std::memchr(name, '\0', rest_.size() - kHead);
  if (nul == nullptr) {
    rest_ = {};
    return false;
  }
  const size_t nameLength = static_cast<const uint8_t*>(nul) - name;
  std::memcpy(&station.flags, rest_.data(), 4);
  std::memcpy(&station.frequency, rest_.data() + 4, 4);
  station.name = std::string_view(reinterpret_cast<const char*>(name), nameLength);
  rest_ = rest_.subspan(kHead + nameLength + 1);
  return true;
}

uint32_t CountStations(std::span<const uint8_t> stored) {
  StationWalk walk(stored);
  StoredStation station{};
  uint32_t count = 0;
  while (walk.Next(station)) ++count;
  return count;
}

StationInfo ToStationInfo(const StoredStation& station, uint32_t number) {
  StationInfo info{};
  info.frequency = station.frequency;
  info.flags = station.flags;
  info.number = number;
  const size_t n = std::min(station.name.size(), kStationNameSize - 1);
  std::memcpy(info.name, station.name.data(), n);
  return info;
}

uint32_t ReadStations(std::span<const uint8_t> stored, StationInfo* out, uint32_t capacity) {
  StationWalk walk(stored);
  StoredStation station{};
  uint32_t filled = 0;
  while (filled < capacity && walk.Next(station)) {
    out[filled] = ToStationInfo(station, filled + 1);
    ++filled;
  }
  return filled;
}
