#include "auxui/aux_heap_win.h"

#include "auxui/kv_aux.h"
#include "host/owner.h"

namespace kvaux {
namespace {

struct PrivateHeapTraits {
  using Handle = HANDLE;
  static constexpr Handle Null() { return nullptr; }
  static bool Valid(Handle h) { return h != nullptr; }
  static void Release(Handle h) { HeapDestroy(h); }
};

// Made on first use and destroyed with the library.
HANDLE Heap() {
  static const kv::Owner<PrivateHeapTraits> heap(HeapCreate(0, 0, 0));
  return heap.get();
}

}  // namespace

kv::HeapBlock HeapAllocate(size_t size) {
  if (size == 0) return {};
  return kv::HeapBlock(Heap(), size);
}

}  // namespace kvaux

KV_EXTERN_C void KV_CALL KvAuxFreeBuffer(void* buffer) {
  kv::Owner<kv::HeapBlockTraits> handedBack(kv::HeapBlockHandle{kvaux::Heap(), buffer});
}
