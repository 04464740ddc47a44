// The analyzer's four settings (section "Prismo"), read at every set-up.
#pragma once

#include <cstdint>

#include "host/settings_reader.h"

namespace prismo {

inline constexpr char kSection[] = "Prismo";

struct AnalyzerSettings {
  int32_t waveMagnify = 20;      // MWave: waveform magnification in tenths (20 = twice)
  int32_t waveBase = 0;          // BWave: added away from zero to every non-zero waveform value
  uint32_t spectrumNorm = 500000;  // MSpec: spectrum normaliser for 16-bit sound (8-bit: / 100)
  int32_t spectrumBase = 0;      // BSpec: added to every spectrum value
};

// Missing keys keep their defaults. The store keeps 32-bit words; MWave, BWave
// and BSpec are read as signed, MSpec as unsigned.
AnalyzerSettings ReadAnalyzerSettings(const SettingsReader& store);

}  // namespace prismo
