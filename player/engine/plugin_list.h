// The active-filter list as the engine loads it: the names stored in
// KvFilters/Filters, each ending in a NUL, that are plain file names in the
// program folder. Names that would reach outside it, repeats (case ignored)
// and bytes after the last NUL are left out.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace engine {

std::vector<std::string> PluginNames(const std::vector<uint8_t>& stored);

// Sample frames per block from KvFilters/BlockSize: that many units of
// 1024 frames, 2 when missing or 0, at most 16.
inline constexpr uint32_t kBlockUnitFrames = 1024;
inline constexpr uint32_t kDefaultBlockUnits = 2;
inline constexpr uint32_t kMaxBlockUnits = 16;
uint32_t BlockFrames(uint32_t blockSizeSetting);

}  // namespace engine
