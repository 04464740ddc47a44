#include "player/engine/plugin_list.h"

#include <algorithm>
#include <cctype>

namespace engine {
namespace {

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

bool IsPlainFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  return name.find_first_of("\\/:") == std::string::npos;
}

}  // namespace

std::vector<std::string> PluginNames(const std::vector<uint8_t>& stored) {
  std::vector<std::string> names;
  size_t start = 0;
  for (size_t i = 0; i < stored.size(); ++i) {
    if (stored[i] != 0) continue;
    std::string name(stored.begin() + static_cast<std::ptrdiff_t>(start), stored.begin() + static_cast<std::ptrdiff_t>(i));
    start = i + 1;
    if (!IsPlainFileName(name)) continue;
    if (std::none_of(names.begin(), names.end(), [&](const std::string& n) { return SameName(n, name); }))
      names.push_back(std::move(name));
  }
  return names;
}

uint32_t BlockFrames(uint32_t blockSizeSetting) {
  const uint32_t units = blockSizeSetting == 0 ? kDefaultBlockUnits : std::min(blockSizeSetting, kMaxBlockUnits);
  return units * kBlockUnitFrames;
}

}  // namespace engine
