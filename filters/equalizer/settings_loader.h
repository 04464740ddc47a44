// Fills the settings half of the shared record from section Tonal10 of the
// store. Missing keys leave their words as they are; nothing is written.
#pragma once

#include "host/records.h"
#include "host/settings_reader.h"

namespace eq {

inline constexpr char kSettingsSection[] = "Tonal10";

void LoadSettings(const SettingsReader& store, EqualizerShared& shared);

}  // namespace eq
