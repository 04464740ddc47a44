// The PCI access library KvPort.dll, as the wizard's card page calls it
// (loaded at run time by name). Every result is a byte read as a boolean.
#pragma once

#include "host/kv_api.h"

// location: bus, device, function. header: 64 bytes, filled with the
// function's configuration header when the function exists.
KV_EXTERN_C KvBool KV_CALL PCIInfo(const uint32_t* location, uint8_t* header);
// request: physical address low and high, bus, 0, length. address: where the
// range can be read in this process.
KV_EXTERN_C KvBool KV_CALL MemMap(const uint32_t* request, uint32_t* address);
// Copies count bytes from a mapped address; false unless all lie in one mapping.
KV_EXTERN_C KvBool KV_CALL MemRead(uint32_t address, uint32_t count, void* destination);
// Releases the mapping made at address with this length.
KV_EXTERN_C KvBool KV_CALL MemUnmap(uint32_t address, uint32_t length);

using PciInfoFn = decltype(&PCIInfo);
using MemMapFn = decltype(&MemMap);
using MemReadFn = decltype(&MemRead);
using MemUnmapFn = decltype(&MemUnmap);
