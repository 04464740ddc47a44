// Counts the C and C++ heap allocations of this process (glibc only): the
// program's own definitions of malloc and friends take the place of the C
// library's for every library loaded, and pass on to glibc's.
#pragma once

#include <cstddef>

namespace bench {
size_t Allocations();
}
