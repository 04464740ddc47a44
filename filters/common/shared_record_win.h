// One copy of a plug-in's shared record for every process that loads the DLL.
//
//   FILTERS_SHARED_RECORD(PrismoShared, g_shared);
//
// defines g_shared in the DLL's section ".shared", which the compiler marks
// as shared (IMAGE_SCN_MEM_SHARED): the loader maps the same physical pages
// into every process that loads the library, and the section starts out as
// the zeros of the image when the first process loads it. The address is a
// plain global's, so it is fixed for the life of the library in a process
// and never null. Use it at namespace scope, once per record, in the DLL
// only (a record shared this way must hold no pointers and need no
// constructor). GNU ld keeps the section's shared flag without extra options.
#pragma once

#if !defined(_WIN32)
#error "shared records are a Windows DLL mechanism"
#endif

#include <type_traits>

#define FILTERS_SHARED_RECORD(Type, name)                                                             \
  static_assert(std::is_trivially_default_constructible_v<Type> && std::is_trivially_copyable_v<Type>, \
                "a shared record is plain bytes");                                                   \
  __attribute__((section(".shared"), shared)) constinit Type name = {}
