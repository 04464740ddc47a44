#include "auxui/aux_heap_win.h"

#include <windows.h>

#include "auxui/kv_aux.h"

namespace kvaux {
namespace {

// A private heap, made on first use and destroyed with the library.
class PrivateHeap {
 public:
  PrivateHeap() : heap_(HeapCreate(0, 0, 0)) {}
  PrivateHeap(const PrivateHeap&) = delete;
  PrivateHeap& operator=(const PrivateHeap&) = delete;
  ~PrivateHeap() {
    if (heap_) HeapDestroy(heap_);
  }
  HANDLE get() const { return heap_; }

 private:
  HANDLE heap_;
};

HANDLE Heap() {
  static PrivateHeap heap;
  return heap.get();
}

}  // namespace

void* HeapAllocate(size_t size) {
  if (size == 0 || Heap() == nullptr) return nullptr;
  return HeapAlloc(Heap(), 0, size);
}

void HeapRelease(void* buffer) {
  if (buffer && Heap()) HeapFree(Heap(), 0, buffer);
}

}  // namespace kvaux

KV_EXTERN_C void KV_CALL KvAuxFreeBuffer(void* buffer) { kvaux::HeapRelease(buffer); }
