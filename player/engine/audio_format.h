// The engine's one stream format: 16-bit stereo PCM at 44100 Hz, frames of
// two interleaved samples (left, right).
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>

namespace engine {

inline constexpr uint32_t kSampleRate = 44100;
inline constexpr uint16_t kChannels = 2;
inline constexpr uint16_t kBitsPerSample = 16;
inline constexpr uint32_t kFrameBytes = kChannels * kBitsPerSample / 8;

inline int16_t ClampSample(float v) {
  if (v >= 32767.0f) return 32767;
  if (v <= -32768.0f) return -32768;
  return static_cast<int16_t>(std::lrint(v));
}

}  // namespace engine
