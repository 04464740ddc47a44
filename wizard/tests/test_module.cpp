// The libraries the tuner page meets in a program folder, for the wizard's
// tests only (never installed). TEST_MODULE picks one:
//   1 a tuner module, "Test Tuner", with the companion TestTuner.kvo
//   2 a tuner module whose GetInfo gives no name
//   3 an audio filter (another kind)
//   4 a library without GetInfo
//   5 a library that refuses to load
#include <windows.h>

#include "host/kv_api.h"
#include "host/records.h"

#if TEST_MODULE == 5
BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) { return reason != DLL_PROCESS_ATTACH; }
#elif TEST_MODULE == 4
KV_EXTERN_C int KV_CALL NotGetInfo() { return 1; }
#else
namespace {
#if TEST_MODULE == 1
constexpr ModuleInfo kInfo{kModuleTuner, "Test Tuner"};
#elif TEST_MODULE == 2
constexpr ModuleInfo kInfo{kModuleTuner, nullptr};
#else
constexpr ModuleInfo kInfo{kModuleAudioFilter, "Test Filter"};
#endif
}  // namespace

KV_EXTERN_C ModuleInfo* KV_CALL GetInfo(ModuleInfo* info) {
  *info = kInfo;
  return info;
}
#endif
