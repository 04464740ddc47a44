// What the tuner-card page asks of a tuner module and of its settings
// companion (the module's file name with "kvo" for its last three
// characters): both export GetInfo, with a different record each.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "host/kv_api.h"
#include "host/records.h"

namespace wizard {

// A tuner module's GetInfo fills a ModuleInfo of kind kModuleTuner.
using ModuleInfoFn = ModuleInfo*(KV_CALL*)(ModuleInfo* info);

// What a settings provider fills in a record the wizard zeroes first; a
// provider with settings names a dialog template of its own module and the
// dialog's procedure.
struct TunerSettingsInfo {
  const char* dialogTemplate;  // resource name or number
  DLGPROC dialogProc;
  uint32_t reserved1;
  uint32_t reserved2;
  void(KV_CALL* saveSettings)();  // stores the dialog's values; may be null
};
using SettingsInfoFn = void(KV_CALL*)(TunerSettingsInfo* info);

#if UINTPTR_MAX == 0xFFFFFFFFu
static_assert(sizeof(TunerSettingsInfo) == 20 && offsetof(TunerSettingsInfo, saveSettings) == 16);
#endif

}  // namespace wizard
