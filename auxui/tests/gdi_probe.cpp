// Test build only: how many GDI objects and DCs the library's owners hold
// right now, so a test finds what closing a dialog left behind.
#include "host/kv_api.h"
#include "host/win_handle.h"

KV_EXTERN_C long KV_CALL KvAuxLiveGdiObjects() { return kv::gdi::LiveObjects(); }
