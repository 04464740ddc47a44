// The module's exports and library entry point. The entry sits above the
// core and the panels: it hands the control factory, which knows every
// control class, to the core's run loop.
#include <windows.h>

#include <new>

#include "graphic/control_factory_win.h"
#include "graphic/core/module_names.h"
#include "graphic/core/module_state_win.h"
#include "graphic/core/run_loop_win.h"
#include "host/kv_api.h"
#include "host/records.h"

namespace vrx {

namespace {
ModuleState g_module;
}

ModuleState& Module() { return g_module; }

}  // namespace vrx

KV_EXTERN_C BOOL WINAPI DllMain(HINSTANCE instance, DWORD, LPVOID) {
  vrx::Module().instance = instance;
  return TRUE;
}

KV_EXTERN_C ModuleInfo* KV_CALL GetInfo(ModuleInfo* info) {
  if (info) {
    info->kind = kModuleGraphic;
    info->name = vrx::Names().moduleName;
  }
  return info;
}

KV_EXTERN_C void KV_CALL Activate() {
  // Nothing may escape into the host: a failure half-way has already
  // released what it made on its way out.
  try {
    vrx::RunModule(&vrx::MakeControl);
  } catch (...) {
  }
}
