// The settings store KvIni.dll. Buffers it hands out are released with
// KvIniFreeBuffer; on a false result the caller's value is left untouched
// (KvIniGetBinary alone sets null and 0).
#pragma once

#include "host/kv_api.h"

KV_EXTERN_C KvBool KV_CALL KvIniGetDword(const char* section, const char* key, uint32_t* value);
KV_EXTERN_C void KV_CALL KvIniSetDword(const char* section, const char* key, uint32_t value);
KV_EXTERN_C KvBool KV_CALL KvIniGetString(const char* section, const char* key, char** text);
// A null text deletes the key, so that it reads as missing.
KV_EXTERN_C void KV_CALL KvIniSetString(const char* section, const char* key, const char* text);
KV_EXTERN_C KvBool KV_CALL KvIniGetBinary(const char* section, const char* key, void** data, uint32_t* size);
KV_EXTERN_C KvBool KV_CALL KvIniSetBinary(const char* section, const char* key, const void* data, uint32_t size);
KV_EXTERN_C void KV_CALL KvIniFreeBuffer(void* buffer);
