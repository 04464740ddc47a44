// The station-list walk over arbitrary stored bytes.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "auxui/station_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> stored(data, size);
  const uint32_t count = CountStations(stored);
  if (count > size / 9) std::abort();
  std::vector<StationInfo> list(count);
  if (ReadStations(stored, list.data(), count) != count) std::abort();
  for (uint32_t i = 0; i < count; ++i)
    if (list[i].number != i + 1 || std::memchr(list[i].name, 0, kStationNameSize) == nullptr) std::abort();
  return 0;
}
