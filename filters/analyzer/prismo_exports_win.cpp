// Prismo.dll: the exports, the record shared by every process that loads the
// library, and the release at unload.
#include <windows.h>

#include "filters/analyzer/analyzer_session_win.h"
#include "filters/common/module_info.h"
#include "filters/common/shared_record_win.h"
#include "host/kv_api.h"
#include "host/records.h"

namespace {

constexpr char kName[] = "Sound Analyzer 2.02";

FILTERS_SHARED_RECORD(PrismoShared, g_shared);

// Constant-initialised, so that it exists before DllMain runs and no
// constructor runs under the loader lock.
constinit prismo::AnalyzerSession g_session(g_shared);
prismo::AnalyzerSession& Session() { return g_session; }

}  // namespace

KV_EXTERN_C ModuleInfo* KV_CALL GetInfo(ModuleInfo* info) { return filters::FillFilterInfo(info, kName); }

KV_EXTERN_C int32_t KV_CALL Filter2(FilterBlock* block) { return Session().Filter(block); }

KV_EXTERN_C int32_t KV_CALL Cleanup(void) {
  Session().Cleanup();
  return 0;
}

KV_EXTERN_C PrismoShared* KV_CALL GetPrismo(void) { return &g_shared; }

KV_EXTERN_C PrismoInfo* KV_CALL GetPrismoInfo(void) { return &g_shared.info; }

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
  if (reason == DLL_PROCESS_DETACH) Session().ReleaseOnUnload(reserved != nullptr);
  return TRUE;
}
