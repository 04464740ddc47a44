#include "filters/equalizer/bench/allocation_counter_win.h"

#include <atomic>
#include <cstdlib>
#include <cstring>

namespace eqbench {
namespace {

std::atomic<uint64_t> g_allocations{0};

using MallocFn = void*(__cdecl*)(size_t);
using CallocFn = void*(__cdecl*)(size_t, size_t);
using ReallocFn = void*(__cdecl*)(void*, size_t);
using StrdupFn = char*(__cdecl*)(const char*);
using HeapAllocFn = LPVOID(WINAPI*)(HANDLE, DWORD, SIZE_T);
using HeapReAllocFn = LPVOID(WINAPI*)(HANDLE, DWORD, LPVOID, SIZE_T);

// The originals come from the same runtime the DLL imports.
void* __cdecl CountingMalloc(size_t n) {
  ++g_allocations;
  return std::malloc(n);
}
void* __cdecl CountingCalloc(size_t a, size_t b) {
  ++g_allocations;
  return std::calloc(a, b);
}
void* __cdecl CountingRealloc(void* p, size_t n) {
  ++g_allocations;
  return std::realloc(p, n);
}
char* __cdecl CountingStrdup(const char* s) {
  ++g_allocations;
  return _strdup(s);
}
LPVOID WINAPI CountingHeapAlloc(HANDLE h, DWORD flags, SIZE_T n) {
  ++g_allocations;
  return HeapAlloc(h, flags, n);
}
LPVOID WINAPI CountingHeapReAlloc(HANDLE h, DWORD flags, LPVOID p, SIZE_T n) {
  ++g_allocations;
  return HeapReAlloc(h, flags, p, n);
}

struct Hook {
  const char* name;
  void* replacement;
};
const Hook kHooks[] = {
    {"malloc", reinterpret_cast<void*>(static_cast<MallocFn>(CountingMalloc))},
    {"calloc", reinterpret_cast<void*>(static_cast<CallocFn>(CountingCalloc))},
    {"realloc", reinterpret_cast<void*>(static_cast<ReallocFn>(CountingRealloc))},
    {"_strdup", reinterpret_cast<void*>(static_cast<StrdupFn>(CountingStrdup))},
    {"HeapAlloc", reinterpret_cast<void*>(static_cast<HeapAllocFn>(CountingHeapAlloc))},
    {"HeapReAlloc", reinterpret_cast<void*>(static_cast<HeapReAllocFn>(CountingHeapReAlloc))},
};

void WriteSlot(void** address, void* value) {
  DWORD old = 0;
  if (VirtualProtect(address, sizeof(void*), PAGE_READWRITE, &old)) {
    *address = value;
    VirtualProtect(address, sizeof(void*), old, &old);
  }
}

}  // namespace

AllocationCounter::AllocationCounter(HMODULE module) {
  auto* base = reinterpret_cast<uint8_t*>(module);
  if (!base) return;
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (dir.VirtualAddress == 0) return;
  for (auto* imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); imp->Name != 0; ++imp) {
    if (imp->OriginalFirstThunk == 0) continue;
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      for (const Hook& h : kHooks) {
        if (std::strcmp(reinterpret_cast<const char*>(byName->Name), h.name) != 0 || hooked_ == kMaxSlots) continue;
        void** address = reinterpret_cast<void**>(&slots->u1.Function);
        slots_[hooked_++] = {address, *address};
        WriteSlot(address, h.replacement);
      }
    }
  }
}

AllocationCounter::~AllocationCounter() {
  for (int i = 0; i < hooked_; ++i) WriteSlot(slots_[i].address, slots_[i].original);
}

uint64_t AllocationCounter::count() const { return g_allocations.load(); }
void AllocationCounter::Reset() { g_allocations = 0; }

}  // namespace eqbench
