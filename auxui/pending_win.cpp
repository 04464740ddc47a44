// Exports whose work joins the library next; they answer "nothing done".
#include "auxui/kv_aux.h"

KV_EXTERN_C void* KV_CALL KvAuxGetPresets(int32_t*, uint32_t* count) {
  if (count) *count = 0;
  return nullptr;
}
KV_EXTERN_C KvBool KV_CALL KvAuxSetPresets(int32_t, const void*, uint32_t) { return 0; }
KV_EXTERN_C KvBool KV_CALL KvAuxRE(HWND, int) { return 0; }
KV_EXTERN_C void KV_CALL KvAuxRESetText(HWND, int, const char*, TextMark*, uint32_t) {}
KV_EXTERN_C KvBool KV_CALL KvAuxREBold(HWND, int, int32_t, int32_t) { return 0; }
KV_EXTERN_C KvBool KV_CALL KvAuxRELink(HWND, int, int32_t, int32_t) { return 0; }
KV_EXTERN_C uint32_t KV_CALL KvAuxGetVersion() { return 0; }
