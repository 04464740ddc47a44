// A 31-band equalizer plug-in for the scenarios only, never installed: the
// record the graphic module writes (per channel a bypass word, an
// amplification and 31 gains, left then right, 132 bytes each), shared by
// every process that loads it. Its filter leaves the sound alone.
#include <windows.h>

#include "filters/common/module_info.h"
#include "filters/common/shared_record_win.h"
#include "host/kv_api.h"

namespace {

struct Channel31 {
  int32_t disable;
  int32_t amp;
  int32_t gain[31];
};
struct Equalizer31 {
  Channel31 left;
  Channel31 right;
};
static_assert(sizeof(Channel31) == 132 && sizeof(Equalizer31) == 264);

}  // namespace

FILTERS_SHARED_RECORD(Equalizer31, g_shared);

KV_EXTERN_C ModuleInfo* KV_CALL GetInfo(ModuleInfo* info) { return filters::FillFilterInfo(info, "Equalizer-31 test"); }
KV_EXTERN_C int32_t KV_CALL Filter2(FilterBlock*) { return 0; }
KV_EXTERN_C Equalizer31* KV_CALL GetEqualizer() { return &g_shared; }
