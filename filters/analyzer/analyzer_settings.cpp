#include "filters/analyzer/analyzer_settings.h"

namespace prismo {

AnalyzerSettings ReadAnalyzerSettings(const SettingsReader& store) {
  AnalyzerSettings s;
  auto signedOr = [&](const char* key, int32_t fallback) {
    return static_cast<int32_t>(store.DwordOr(kSection, key, static_cast<uint32_t>(fallback)));
  };
  s.waveMagnify = signedOr("MWave", s.waveMagnify);
  s.waveBase = signedOr("BWave", s.waveBase);
  s.spectrumNorm = store.DwordOr(kSection, "MSpec", s.spectrumNorm);
  s.spectrumBase = signedOr("BSpec", s.spectrumBase);
  return s;
}

}  // namespace prismo
