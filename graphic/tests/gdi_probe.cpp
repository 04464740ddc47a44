// Test build only: reports how many GDI objects and DCs the module's owners
// hold right now, so that a test can find a leak across restarts.
#include "host/win_handle.h"
#include "host/kv_api.h"

KV_EXTERN_C long KV_CALL VrxLiveGdiObjects() { return kv::gdi::LiveObjects(); }
