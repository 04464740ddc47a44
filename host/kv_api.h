// Calling convention and boolean of every export between the suite's
// libraries: plain C functions, cdecl, undecorated names (from .def files).
#pragma once

#include <cstdint>

#if defined(_WIN32)
#define KV_CALL __cdecl
#else
#define KV_CALL
#endif

#define KV_EXTERN_C extern "C"

// The store and the auxiliary library answer with a one-byte boolean.
using KvBool = unsigned char;
