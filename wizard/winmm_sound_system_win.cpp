// The system's sound devices and mixer lines, through winmm: what
// KvWizard.exe's sound page chooses from.
#include <windows.h>
#include <mmsystem.h>

#include "wizard/sound_system.h"

namespace wizard {
namespace {

static_assert(kDestinationSpeakers == MIXERLINE_COMPONENTTYPE_DST_SPEAKERS);
static_assert(kDestinationWaveIn == MIXERLINE_COMPONENTTYPE_DST_WAVEIN);

class WinmmSoundSystem final : public SoundSystem {
 public:
  std::vector<std::string> Devices(WaveKind kind) const override {
    std::vector<std::string> names;
    // Device ids count from 0; the first that cannot be read ends the list.
    for (UINT id = 0;; ++id) {
      if (kind == WaveKind::In) {
        WAVEINCAPSA caps{};
        if (waveInGetDevCapsA(id, &caps, sizeof caps) != MMSYSERR_NOERROR) break;
        names.emplace_back(caps.szPname);
      } else {
        WAVEOUTCAPSA caps{};
        if (waveOutGetDevCapsA(id, &caps, sizeof caps) != MMSYSERR_NOERROR) break;
        names.emplace_back(caps.szPname);
      }
    }
    return names;
  }

  std::optional<std::vector<MixerDestination>> Mixer(WaveKind kind, unsigned device) const override {
    UINT mixer = 0;
    const DWORD as = kind == WaveKind::In ? MIXER_OBJECTF_WAVEIN : MIXER_OBJECTF_WAVEOUT;
    if (mixerGetID(reinterpret_cast<HMIXEROBJ>(static_cast<UINT_PTR>(device)), &mixer, as) != MMSYSERR_NOERROR)
      return std::nullopt;
    MIXERCAPSA caps{};
    if (mixerGetDevCapsA(mixer, &caps, sizeof caps) != MMSYSERR_NOERROR) return std::nullopt;
    const auto object = reinterpret_cast<HMIXEROBJ>(static_cast<UINT_PTR>(mixer));
    std::vector<MixerDestination> destinations;
    for (DWORD d = 0; d < caps.cDestinations; ++d) {
      MIXERLINEA line{};
      line.cbStruct = sizeof line;
      line.dwDestination = d;
      if (mixerGetLineInfoA(object, &line, MIXER_OBJECTF_MIXER | MIXER_GETLINEINFOF_DESTINATION) != MMSYSERR_NOERROR)
        continue;
      MixerDestination& destination = destinations.emplace_back(MixerDestination{line.dwComponentType, {}});
      const DWORD sources = line.cConnections;
      for (DWORD s = 0; s < sources; ++s) {
        MIXERLINEA source{};
        source.cbStruct = sizeof source;
        source.dwDestination = d;
        source.dwSource = s;
        if (mixerGetLineInfoA(object, &source, MIXER_OBJECTF_MIXER | MIXER_GETLINEINFOF_SOURCE) == MMSYSERR_NOERROR)
          destination.sources.push_back({source.szName, source.dwLineID});
      }
    }
    return destinations;
  }
};

}  // namespace

const SoundSystem& TheSoundSystem() {
  static const WinmmSoundSystem system;
  return system;
}

}  // namespace wizard
