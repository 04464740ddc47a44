// Tonal10.dll: the exports, the record shared by every process that loads
// the library, and the per-process state of the engine's copy. The block
// processing itself is EqualizerCore.
#include <windows.h>

#include <fftw3.h>

#include "filters/common/module_info.h"
#include "filters/common/shared_record_win.h"
#include "filters/common/stream_format.h"
#include "filters/common/win_handle.h"
#include "filters/equalizer/equalizer_core.h"
#include "filters/equalizer/settings_loader.h"
#include "host/kv_api.h"
#include "host/settings.h"

FILTERS_SHARED_RECORD(EqualizerShared, g_shared);

namespace {

constexpr char kModuleName[] = "Equalizer-10 4.02";
// Exists while any process has the library loaded: whoever creates it is
// the first and fills the shared settings.
constexpr char kFirstProcessMutex[] = "Equalizer10Mutex";

filters::WinHandle g_firstProcessMarker;
eq::EqualizerCore g_core;
filters::StreamFormat g_format{};

void LoadSettingsIfFirstProcess() {
  if (g_firstProcessMarker) return;
  HANDLE mutex = CreateMutexA(nullptr, FALSE, kFirstProcessMutex);
  if (mutex == nullptr) return;  // tried again at set-up
  const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
  g_firstProcessMarker.reset(mutex);
  if (!existed) eq::LoadSettings(kv::StoreSettings(), g_shared);
}

void ReleaseProcessState(bool processEnding) {
  g_core.Release();
  // At process end other threads are gone mid-flight; leave FFTW's planner alone.
  if (!processEnding) fftw_cleanup();
  g_firstProcessMarker.reset();
}

}  // namespace

KV_EXTERN_C ModuleInfo* KV_CALL GetInfo(ModuleInfo* info) { return filters::FillFilterInfo(info, kModuleName); }

KV_EXTERN_C int32_t KV_CALL Filter2(FilterBlock* block) {
  if (!filters::IsPcmBlock(block)) return kFilterRefused;
  if (!g_core.prepared()) {
    const auto format = filters::LatchFormat(*block);
    if (!format) return kFilterRefused;
    LoadSettingsIfFirstProcess();
    const FilterResult result = g_core.Prepare(*format);
    if (result != kFilterOk) return result;
    g_format = *format;
  }
  if (!g_format.Matches(*block)) return kFilterRefused;
  g_core.Process(block->data + kPcmHeaderSize, g_shared);
  return kFilterOk;
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
