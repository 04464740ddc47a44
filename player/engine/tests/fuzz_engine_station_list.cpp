// Any bytes as a stored station list: the records come out numbered in
// order, each name terminated within its field.
#include <cstdlib>
#include <cstring>

#include "player/engine/station_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<StationInfo> stations = engine::ParseStationList(data, size);
  if (stations.size() > size / 9) std::abort();
  for (size_t i = 0; i < stations.size(); ++i)
    if (stations[i].number != i + 1 || std::memchr(stations[i].name, 0, sizeof stations[i].name) == nullptr)
      std::abort();
  return 0;
}
