// The engine's mixer. The tuner's sound passes the FM tuner, the radio line
// and the record line on its way in: these shape what is recorded and time
// shifted. The wave-out line, all lines and the main volume act only on
// what goes to the loudspeaker. A muted stage silences everything after it.
// Volumes 0..100 are linear gains; left and right halves act on their own.
#pragma once

#include <cstddef>
#include <cstdint>

#include "player/engine/engine_state.h"

namespace engine {

struct StereoGain {
  float left = 1.0f;
  float right = 1.0f;
};

StereoGain InputGain(const SoundControls& c);
StereoGain OutputGain(const SoundControls& c);
// Scales interleaved stereo frames; a gain of exactly 1 leaves samples as
// they are, bit for bit.
void ApplyGain(int16_t* frames, size_t count, StereoGain g);
void MixToMono(int16_t* frames, size_t count);

}  // namespace engine
