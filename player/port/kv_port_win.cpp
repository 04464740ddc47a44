// The PCI access library stand-in: a simulated bus read from KvPort.bus in
// this DLL's own folder at the first call after loading. A missing or
// malformed file gives a bus without devices (the reason goes to the
// debugger's output). MemMapStats is for tests: live mappings and all made.
#include "host/kv_port.h"

#include <windows.h>

#include <cstring>
#include <mutex>
#include <optional>
#include <string>

#include "host/no_throw.h"
#include "host/whole_file_win.h"
#include "player/port/port_bus.h"

namespace {

constexpr char kBusFile[] = "KvPort.bus";
constexpr DWORD kMaxBusFileBytes = 16u << 20;

std::mutex g_lock;
std::optional<port::Mappings> g_bus;

std::string ThisDllFolder() {
  HMODULE self = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&ThisDllFolder), &self);
  char path[MAX_PATH + 1] = {};
  const DWORD n = GetModuleFileNameA(self, path, MAX_PATH);
  std::string folder(path, n < MAX_PATH ? n : 0);
  folder.resize(folder.find_last_of('\\') + 1);  // npos + 1 == 0: no folder
  return folder;
}

// The file's bus; an empty one when the file is missing, malformed or more
// than memory holds, so that it is kept and the file is not read again at
// every call (a card scan makes thousands).
port::Bus LoadBus() {
  return kv::NoThrow(port::Bus{}, [] {
    const std::string path = ThisDllFolder() + kBusFile;
    const auto text = kv::ReadWholeFile(path, kMaxBusFileBytes);
    if (!text) return port::Bus{};
    port::ParseResult parsed = port::ParseBus(*text);
    if (!parsed.error.empty()) OutputDebugStringA((path + " " + parsed.error + "\n").c_str());
    return std::move(parsed.bus);
  });
}

// Runs fn on the bus (read at the first call) under the lock; false when
// memory runs out.
template <typename Fn>
KvBool WithBus(Fn&& fn) {
  return kv::NoThrow(KvBool{0}, [&]() -> KvBool {
    std::lock_guard<std::mutex> hold(g_lock);
    if (!g_bus) g_bus.emplace(LoadBus());
    return fn(*g_bus) ? 1 : 0;
  });
}

}  // namespace

KV_EXTERN_C KvBool KV_CALL PCIInfo(const uint32_t* location, uint8_t* header) {
  if (!location || !header) return 0;
  return WithBus([&](const port::Mappings& bus) {
    const port::PciFunction* f = bus.bus().Find(location[0], location[1], location[2]);
    if (f) std::memcpy(header, f->header.data(), f->header.size());
    return f != nullptr;
  });
}

KV_EXTERN_C KvBool KV_CALL MemMap(const uint32_t* request, uint32_t* address) {
  if (!request || !address) return 0;
  return WithBus([&](port::Mappings& bus) {
    const auto mapped = bus.Map(static_cast<uint64_t>(request[1]) << 32 | request[0], request[4]);
    if (mapped) *address = static_cast<uint32_t>(*mapped);
    return mapped.has_value();
  });
}

KV_EXTERN_C KvBool KV_CALL MemRead(uint32_t address, uint32_t count, void* destination) {
  return WithBus([&](const port::Mappings& bus) { return bus.Read(address, count, destination); });
}

KV_EXTERN_C KvBool KV_CALL MemUnmap(uint32_t address, uint32_t length) {
  return WithBus([&](port::Mappings& bus) { return bus.Unmap(address, length); });
}

KV_EXTERN_C KvBool KV_CALL MemMapStats(uint32_t* live, uint32_t* made) {
  if (!live || !made) return 0;
  return WithBus([&](const port::Mappings& bus) {
    *live = static_cast<uint32_t>(bus.live());
    *made = bus.made();
    return true;
  });
}
