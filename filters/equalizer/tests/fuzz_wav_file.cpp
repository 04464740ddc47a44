// Any bytes through the WAV reader of the benchmark tools: the samples it
// finds lie inside the input, and a file written from them reads the same.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "filters/equalizer/bench/wav_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto layout = eqbench::ParseWav(data, size);
  if (!layout) return 0;
  if (layout->dataOffset > size || layout->dataSize > size - layout->dataOffset) __builtin_trap();
  const auto again = eqbench::MakeWav(layout->format, data + layout->dataOffset, layout->dataSize);
  const auto back = eqbench::ParseWav(again.data(), again.size());
  if (!back || back->dataSize != layout->dataSize || back->format.channels != layout->format.channels ||
      back->format.rate != layout->format.rate || back->format.bits != layout->format.bits ||
      std::memcmp(again.data() + back->dataOffset, data + layout->dataOffset, layout->dataSize) != 0) {
    __builtin_trap();
  }
  return 0;
}
