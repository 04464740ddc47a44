// FFTW plans and FFTW's aligned memory, owned through the one owner template:
// a plan is destroyed and an array freed by FFTW when its owner goes away.
// Portable; every user links FFTW itself.
#pragma once

#include <fftw3.h>

#include <cstddef>
#include <cstdint>

#include "host/owner.h"

namespace filters {

// fftw_plan is a pointer to the opaque fftw_plan_s.
using FftwPlan = kv::Owner<kv::PointerTraits<fftw_plan_s, &fftw_destroy_plan>>;

// An array of T from fftw_malloc (aligned for FFTW's SIMD codelets).
template <class T>
using FftwArray = kv::Owner<kv::PointerTraits<T, &fftw_free>>;

// count elements of T, uninitialised; null when count is 0, does not fit in
// memory, or the allocation fails.
template <class T>
FftwArray<T> AllocateFftw(std::size_t count) {
  if (count == 0 || count > SIZE_MAX / sizeof(T)) return {};
  return FftwArray<T>(static_cast<T*>(fftw_malloc(count * sizeof(T))));
}

}  // namespace filters
