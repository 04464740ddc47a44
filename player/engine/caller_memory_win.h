// Reading and writing records in the memory of the module that asked.
#pragma once

#include <cstddef>
#include <cstdint>

namespace engine {

bool ReadCallerMemory(uint32_t processId, uintptr_t address, void* out, size_t size);
bool WriteCallerMemory(uint32_t processId, uintptr_t address, const void* data, size_t size);

}  // namespace engine
