// The version reader over arbitrary program files.
#include <cstdlib>

#include "auxui/pe_version.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  MemoryFileBytes file({data, size});
  if (ReadEngineVersion(file) > kHighestVersion) std::abort();
  return 0;
}
