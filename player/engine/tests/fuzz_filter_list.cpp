// Any bytes as a stored filter list: every name taken is a plain file name.
#include <cstdlib>

#include "player/engine/plugin_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  for (const std::string& name : engine::PluginNames(std::vector<uint8_t>(data, data + size)))
    if (name.empty() || name.find_first_of("\\/:") != std::string::npos || name.find('\0') != std::string::npos)
      std::abort();
  return 0;
}
