// Linked into a test build of a library: while armed through the build's
// FailAllocations export, every C++ allocation of that library throws, as
// it would when memory runs out. The library's other modules are not touched.
#include <atomic>
#include <cstdlib>
#include <new>

#include "host/kv_api.h"

namespace {
std::atomic<bool> g_failing{false};
}  // namespace

KV_EXTERN_C void KV_CALL FailAllocations(KvBool on) { g_failing = on != 0; }

void* operator new(std::size_t size) {
  if (!g_failing) {
    if (void* block = std::malloc(size == 0 ? 1 : size)) return block;
  }
  throw std::bad_alloc();
}

void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
