#include "auxui/filter_list.h"
#include "auxui/kv_aux.h"
#include "auxui/store_keys.h"
#include "host/no_throw.h"
#include "host/settings.h"

KV_EXTERN_C KvBool KV_CALL KvAuxIsFilterActive(const char* fileName) {
  if (fileName == nullptr) return 0;
  return kv::NoThrow<KvBool>(0, [&]() -> KvBool {
    const auto stored = kv::ReadBinary(kvaux::kFiltersSection, kvaux::kFiltersKey);
    return stored && IsFilterListed(*stored, fileName) ? 1 : 0;
  });
}
