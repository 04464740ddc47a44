// The sound devices and mixer lines the sound page chooses from, as a small
// interface: KvWizard.exe asks the system's mixer (winmm), its test build a
// scripted system, and unit tests a fake.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace wizard {

enum class WaveKind { In, Out };

// Destination component types, numbered as the mixer numbers them.
inline constexpr uint32_t kDestinationSpeakers = 4;
inline constexpr uint32_t kDestinationWaveIn = 7;

struct SourceLine {
  std::string name;
  uint32_t id = 0;  // the mixer's line identifier, what KvLines stores
  bool operator==(const SourceLine&) const = default;
};

struct MixerDestination {
  uint32_t componentType = 0;
  std::vector<SourceLine> sources;  // in the mixer's order, readable ones only
};

class SoundSystem {
 public:
  virtual ~SoundSystem() = default;
  // Device names of a kind, by device index from 0.
  virtual std::vector<std::string> Devices(WaveKind kind) const = 0;
  // The destinations of the mixer of a device, opened as that kind of
  // device, that could be read; nothing when the mixer cannot be opened or
  // its capabilities read.
  virtual std::optional<std::vector<MixerDestination>> Mixer(WaveKind kind, unsigned device) const = 0;
};

// The sound system of this program: the system's mixer in KvWizard.exe, the
// scripted one in its test build.
const SoundSystem& TheSoundSystem();

}  // namespace wizard
