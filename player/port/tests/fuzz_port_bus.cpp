#include <cstddef>
#include <cstdint>
#include <string_view>

#include "player/port/port_bus.h"

// Any text: either an error and no functions, or functions whose register
// memory maps and reads within bounds.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  port::ParseResult parsed = port::ParseBus(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!parsed.error.empty() && !parsed.bus.functions().empty()) __builtin_trap();
  port::Mappings mappings(std::move(parsed.bus));
  uint8_t bytes[8];
  for (const port::PciFunction& f : mappings.bus().functions()) {
    if (mappings.bus().Find(f.bus, f.device, f.function) != &f) __builtin_trap();
    const auto base = f.MemoryBase();
    if (!base) continue;
    const uint32_t length = static_cast<uint32_t>(f.memory.size());
    const auto mapped = mappings.Map(*base, length);
    if (!mapped) continue;  // an earlier function's memory may cover it
    mappings.Read(*mapped + length - 1, 1, bytes);
    if (mappings.Read(*mapped + length - 4, 8, bytes)) __builtin_trap();
    if (!mappings.Unmap(*mapped, length)) __builtin_trap();
  }
  return 0;
}
