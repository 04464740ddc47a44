// Any bytes as a WAV file: parsed without a fault, and what is accepted is
// consistent with itself.
#include <cstdlib>

#include "player/engine/wav_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  engine::WavAudio audio;
  if (engine::ParseWav(data, size, audio) == engine::WavError::None) {
    if (audio.frames() == 0 || audio.samples.size() % audio.channels != 0) std::abort();
    if (audio.samples.size() * 2 > size) std::abort();
  }
  return 0;
}
