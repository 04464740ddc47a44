#include "player/engine/station_list.h"

#include <algorithm>
#include <cstring>

namespace engine {
namespace {

// A record holds its head and at least the name's NUL.
constexpr size_t kMinRecordBytes = sizeof(StationRecordHead) + 1;

uint32_t Word(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}

}  // namespace

std::vector<StationInfo> ParseStationList(const uint8_t* bytes, size_t size) {
  std::vector<StationInfo> stations;
  size_t at = 0;
  while (bytes && size - at >= kMinRecordBytes) {
    const uint8_t* name = bytes + at + sizeof(StationRecordHead);
    const uint8_t* end = bytes + size;
    const uint8_t* nul = std::find(name, end, uint8_t{0});
    if (nul == end) break;
    StationInfo info{};
    info.flags = Word(bytes + at);
    info.frequency = Word(bytes + at + 4);
    info.number = static_cast<uint32_t>(stations.size() + 1);
    std::memcpy(info.name, name, std::min(static_cast<size_t>(nul - name), kStationNameSize - 1));
    stations.push_back(info);
    at = static_cast<size_t>(nul - bytes) + 1;
  }
  return stations;
}

}  // namespace engine
