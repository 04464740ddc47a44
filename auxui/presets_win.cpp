#include <cstdint>

#include "auxui/aux_heap_win.h"
#include "auxui/kv_aux.h"
#include "auxui/presets.h"
#include "auxui/store_keys.h"
#include "host/kv_ini.h"
#include "host/no_throw.h"
#include "host/settings.h"

KV_EXTERN_C void* KV_CALL KvAuxGetPresets(int32_t* bands, uint32_t* count) {
  uint32_t ignored = 0;
  uint32_t& n = count ? *count : ignored;
  n = 0;
  return kv::NoThrow<void*>(nullptr, [&]() -> void* {
    const auto bank =
        BankToRead(bands ? *bands : 0, [](const char* file) { return KvAuxIsFilterActive(file) != 0; });
    if (!bank) return nullptr;
    if (bands) *bands = bank->bands;
    const auto stored = kv::ReadBinary(bank->section, kvaux::kPresetsKey);
    if (!stored) return nullptr;
    const uint32_t records = CountPresets(stored->size(), *bank);
    if (records == 0) return nullptr;
    kv::HeapBlock out = kvaux::HeapAllocate(size_t{records} * bank->recordSize);
    if (!out) return nullptr;
    CopyRepairedPresets(*stored, *bank, records, static_cast<uint8_t*>(out.data()));
    n = records;
    return out.release().block;
  });
}

KV_EXTERN_C KvBool KV_CALL KvAuxSetPresets(int32_t bands, const void* presets, uint32_t count) {
  const PresetBank bank = BankToWrite(bands);
  // A list too large for one stored value, or records that are not there,
  // are refused rather than written cut short.
  if (count > UINT32_MAX / bank.recordSize || (presets == nullptr && count != 0)) return 0;
  const auto size = static_cast<uint32_t>(count * bank.recordSize);
  return KvIniSetBinary(bank.section, kvaux::kPresetsKey, presets, size);
}
