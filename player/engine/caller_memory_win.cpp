#include "player/engine/caller_memory_win.h"

#include <windows.h>

#include "host/win_handle.h"

namespace engine {
namespace {

kv::KernelHandle OpenCaller(uint32_t processId, DWORD access) {
  if (processId == 0) return kv::KernelHandle();
  return kv::KernelHandle(OpenProcess(access, FALSE, processId));
}

// Writing into pages that are not writable would change their protection
// behind the caller's back: such a record is refused instead.
bool IsWritable(HANDLE process, uintptr_t address, size_t size) {
  constexpr DWORD kWritable = PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
  const uintptr_t end = address + size;
  if (end < address) return false;
  for (uintptr_t at = address; at < end;) {
    MEMORY_BASIC_INFORMATION info{};
    if (VirtualQueryEx(process, reinterpret_cast<LPCVOID>(at), &info, sizeof info) != sizeof info) return false;
    if (info.State != MEM_COMMIT || !(info.Protect & kWritable) || (info.Protect & PAGE_GUARD)) return false;
    at = reinterpret_cast<uintptr_t>(info.BaseAddress) + info.RegionSize;
  }
  return true;
}

}  // namespace

bool ReadCallerMemory(uint32_t processId, uintptr_t address, void* out, size_t size) {
  const kv::KernelHandle process = OpenCaller(processId, PROCESS_VM_READ);
  SIZE_T done = 0;
  return process && address != 0 &&
         ReadProcessMemory(process.get(), reinterpret_cast<LPCVOID>(address), out, size, &done) && done == size;
}

bool WriteCallerMemory(uint32_t processId, uintptr_t address, const void* data, size_t size) {
  const kv::KernelHandle process =
      OpenCaller(processId, PROCESS_VM_WRITE | PROCESS_VM_OPERATION | PROCESS_QUERY_INFORMATION);
  SIZE_T done = 0;
  return process && address != 0 && IsWritable(process.get(), address, size) &&
         WriteProcessMemory(process.get(), reinterpret_cast<LPVOID>(address), data, size, &done) && done == size;
}

}  // namespace engine
