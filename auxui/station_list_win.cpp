#include <cstdint>

#include "auxui/aux_heap_win.h"
#include "auxui/kv_aux.h"
#include "auxui/station_list.h"
#include "auxui/store_keys.h"
#include "host/no_throw.h"
#include "host/settings.h"

KV_EXTERN_C StationInfo* KV_CALL KvAuxStationList(uint32_t* count) {
  uint32_t ignored = 0;
  uint32_t& n = count ? *count : ignored;
  n = 0;
  return kv::NoThrow<StationInfo*>(nullptr, [&]() -> StationInfo* {
    const auto stored = kv::ReadBinary(kvaux::kStationsSection, kvaux::kStationsKey);
    if (!stored) return nullptr;
    const uint32_t total = CountStations(*stored);
    if (total == 0 || total > SIZE_MAX / sizeof(StationInfo)) return nullptr;
    kv::HeapBlock list = kvaux::HeapAllocate(size_t{total} * sizeof(StationInfo));
    if (!list) return nullptr;
    n = ReadStations(*stored, static_cast<StationInfo*>(list.data()), total);
    return static_cast<StationInfo*>(list.release().block);
  });
}
