// A sound system described by a text, for the wizard's test build and its
// tour: one statement a line, each applying to the one before it.
//
//   in <name>             a wave input device (index counts from 0 per kind)
//   out <name>            a wave output device
//   nomixer               the last device's mixer cannot be opened
//   destination <type>    a destination of the last device's mixer:
//                         "speakers", "wavein" or a component number
//   line <id> <name>      a source line of the last destination
//
// Blank lines and lines starting with ';' are skipped; so is a statement
// that has nothing to apply to or a malformed number.
#pragma once

#include <string_view>

#include "wizard/sound_system.h"

namespace wizard {

class ScriptedSoundSystem final : public SoundSystem {
 public:
  explicit ScriptedSoundSystem(std::string_view description);
  std::vector<std::string> Devices(WaveKind kind) const override;
  std::optional<std::vector<MixerDestination>> Mixer(WaveKind kind, unsigned device) const override;

 private:
  struct Device {
    std::string name;
    bool hasMixer = true;
    std::vector<MixerDestination> destinations;
  };
  const std::vector<Device>& Of(WaveKind kind) const { return kind == WaveKind::In ? in_ : out_; }
  std::vector<Device> in_, out_;
};

}  // namespace wizard
