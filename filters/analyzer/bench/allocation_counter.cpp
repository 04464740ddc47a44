#include "filters/analyzer/bench/allocation_counter.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>

extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void* __libc_memalign(size_t, size_t);
}

namespace {
std::atomic<size_t> g_count{0};
}

namespace bench {
size_t Allocations() { return g_count.load(); }
}  // namespace bench

extern "C" {
void* malloc(size_t n) {
  ++g_count;
  return __libc_malloc(n);
}
void* calloc(size_t n, size_t m) {
  ++g_count;
  return __libc_calloc(n, m);
}
void* realloc(void* p, size_t n) {
  ++g_count;
  return __libc_realloc(p, n);
}
void* memalign(size_t a, size_t n) {
  ++g_count;
  return __libc_memalign(a, n);
}
void* aligned_alloc(size_t a, size_t n) {
  ++g_count;
  return __libc_memalign(a, n);
}
int posix_memalign(void** out, size_t a, size_t n) {
  ++g_count;
  void* p = __libc_memalign(a, n);
  if (!p) return ENOMEM;
  *out = p;
  return 0;
}
}
