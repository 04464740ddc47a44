// What the simulated tuner hears. Each broadcast has a generated programme
// of its own: a melody and a pad over a scale, a drum rhythm at its own
// tempo and a little noise, all derived from its frequency. A WAV file,
// when one is given, is the programme of every broadcast instead. Off a
// broadcast there is noise; one step beside it, the programme through noise.
#pragma once

#include <cstdint>
#include <vector>

#include "player/engine/band.h"
#include "player/engine/wav_file.h"

namespace engine {

class Noise {
 public:
  explicit Noise(uint32_t seed) : state_(seed | 1) {}
  float Next();  // uniform in [-1, 1)

 private:
  uint32_t state_;
};

class StationProgramme {
 public:
  explicit StationProgramme(uint32_t frequency);
  void Render(float* left, float* right, size_t count);
  uint32_t tempo() const { return bpm_; }

 private:
  float Note(uint64_t step) const;
  uint32_t seed_;
  uint32_t bpm_;
  float root_;
  float noiseLevel_;
  float pan_;
  Noise noise_;
  uint64_t t_ = 0;
  uint64_t noteIndex_ = 0;
  float note_ = 0;  // the melody's pitch for the current half beat
};

// A WAV programme, looped and brought to the engine's rate.
class WavProgramme {
 public:
  explicit WavProgramme(WavAudio audio);
  void Render(float* left, float* right, size_t count);

 private:
  WavAudio audio_;
  double position_ = 0;
  double step_;
};

class Receiver {
 public:
  explicit Receiver(size_t maxFrames, const WavAudio* file = nullptr);
  // broadcast: the frequency whose programme is heard (0 for none).
  void Tune(uint32_t broadcast, Reception reception);
  // Interleaved 16-bit stereo frames; count at most maxFrames.
  void Render(int16_t* frames, size_t count);

 private:
  std::vector<float> left_, right_;
  std::vector<WavProgramme> file_;  // empty or one
  StationProgramme programme_{kBandLow};
  Noise hiss_{0x9E3779B9u};
  uint32_t broadcast_ = 0;
  Reception reception_ = Reception::None;
};

}  // namespace engine
