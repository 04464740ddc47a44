#include "filters/equalizer/settings_loader.h"

#include <string>

namespace eq {
namespace {

void LoadChannel(const SettingsReader& store, char side, EqChannelSettings& channel) {
  const std::string prefix(1, side);
  // A stored bypass of 0 never clears one that is already set.
  if (const auto disable = store.Dword(kSettingsSection, (prefix + "Disable").c_str()); disable && *disable != 0) {
    channel.disable = static_cast<int32_t>(*disable);
  }
  if (const auto amp = store.Dword(kSettingsSection, (prefix + "Amp").c_str())) {
    channel.amp = static_cast<int32_t>(*amp);
  }
  for (int b = 0; b < kEqBands; ++b) {
    const std::string key = prefix + "Freq" + std::to_string(b);
    if (const auto gain = store.Dword(kSettingsSection, key.c_str())) channel.gain[b] = static_cast<int32_t>(*gain);
  }
}

}  // namespace

void LoadSettings(const SettingsReader& store, EqualizerShared& shared) {
  LoadChannel(store, 'L', shared.left);
  LoadChannel(store, 'R', shared.right);
}

}  // namespace eq
