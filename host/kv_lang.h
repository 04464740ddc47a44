// The language library KvLang.dll. A returned text belongs to the library
// and stays valid and unchanged until the next KvLangReload.
#pragma once

#include "host/kv_api.h"

KV_EXTERN_C const char* KV_CALL KvLangString(const char* key, const char* defaultText);
KV_EXTERN_C void KV_CALL KvLangReload(void);
