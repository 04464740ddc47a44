// Plain PCM WAV files for the benchmark tools: read the format and the
// samples of a RIFF/WAVE file, write one back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace eqbench {

struct WavFormat {
  uint16_t channels = 0;
  uint16_t bits = 0;
  uint32_t rate = 0;
};

// Where the interleaved samples lie inside the file's bytes.
struct WavLayout {
  WavFormat format;
  std::size_t dataOffset = 0;
  std::size_t dataSize = 0;      // as far as the bytes given go
  std::size_t declaredSize = 0;  // as the chunk's header says
};

// Empty unless the bytes hold a RIFF/WAVE file with a PCM "fmt " chunk and
// a "data" chunk; a data chunk cut short by the file's end is taken as far
// as it goes.
std::optional<WavLayout> ParseWav(const uint8_t* bytes, std::size_t size);

// A whole file holding the samples.
std::vector<uint8_t> MakeWav(const WavFormat& format, const uint8_t* samples, std::size_t size);

}  // namespace eqbench
