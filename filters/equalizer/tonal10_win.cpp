// Tonal10.dll: the exports, the record shared by every process that loads
// the library, and the per-process state of the engine's copy. Checking and
// processing the blocks is EqualizerFilter's.
#include <windows.h>

#include <fftw3.h>

#include "filters/common/module_info.h"
#include "filters/common/shared_record_win.h"
#include "filters/common/stream_format.h"
#include "filters/equalizer/equalizer_filter.h"
#include "filters/equalizer/settings_loader.h"
#include "host/kv_api.h"
#include "host/settings.h"
#include "host/win_handle.h"

FILTERS_SHARED_RECORD(EqualizerShared, g_shared);

namespace {

constexpr char kModuleName[] = "Equalizer-10 4.02";
// Exists while any process has the library loaded: whoever creates it is
// the first and fills the shared settings.
constexpr char kFirstProcessMutex[] = "Equalizer10Mutex";

kv::KernelHandle g_firstProcessMarker;
eq::EqualizerFilter g_filter;

void LoadSettingsIfFirstProcess() {
  if (g_firstProcessMarker) return;
  HANDLE mutex = CreateMutexA(nullptr, FALSE, kFirstProcessMutex);
  if (mutex == nullptr) return;  // tried again at set-up
  const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
  g_firstProcessMarker.reset(mutex);
  if (!existed) eq::LoadSettings(kv::StoreSettings(), g_shared);
}

void ReleaseProcessState(bool processEnding) {
  g_filter.Release();
  // At process end other threads are gone mid-flight; leave FFTW's planner alone.
  if (!processEnding) fftw_cleanup();
  g_firstProcessMarker.reset();
}

}  // namespace

KV_EXTERN_C ModuleInfo* KV_CALL GetInfo(ModuleInfo* info) { return filters::FillFilterInfo(info, kModuleName); }

KV_EXTERN_C int32_t KV_CALL Filter2(FilterBlock* block) {
  // Settings that could not be loaded at attach are tried again at set-up,
  // which only a block named "PCM" reaches.
  if (!g_filter.setUp() && filters::IsPcmBlock(block)) LoadSettingsIfFirstProcess();
  return g_filter.Filter(block, g_shared);
}

KV_EXTERN_C EqualizerShared* KV_CALL GetEqualizer() { return &g_shared; }

KV_EXTERN_C EqSoundInfo* KV_CALL GetEqSoundInfo() { return &g_shared.sound; }

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    LoadSettingsIfFirstProcess();
  } else if (reason == DLL_PROCESS_DETACH) {
    ReleaseProcessState(reserved != nullptr);
  }
  return TRUE;
}
