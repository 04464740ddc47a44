// The library's own heap: every buffer KvAux.dll hands out comes from here
// and goes back through KvAuxFreeBuffer.
#pragma once

#include <cstddef>

namespace kvaux {

void* HeapAllocate(size_t size);  // null when memory runs out or size is 0
void HeapRelease(void* buffer);   // null is fine

}  // namespace kvaux
