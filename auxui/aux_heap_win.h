// The library's own heap: every buffer KvAux.dll hands out comes from here
// and goes back through KvAuxFreeBuffer.
#pragma once

#include <cstddef>

#include "host/win_handle.h"

namespace kvaux {

// A block of the library's heap, empty when memory runs out or size is 0.
// The export that hands it out releases it from the owner.
kv::HeapBlock HeapAllocate(size_t size);

}  // namespace kvaux
