// The preset repair over arbitrary stored bytes, for both equalizers.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "auxui/presets.h"
#include "host/records.h"

namespace {

bool Never(const char*) { return false; }

template <typename Preset>
void Check(std::span<const uint8_t> stored, int32_t bands) {
  const PresetBank bank = *BankToRead(bands, &Never);
  const uint32_t n = CountPresets(stored.size(), bank);
  std::vector<Preset> out(n);
  CopyRepairedPresets(stored, bank, n, reinterpret_cast<uint8_t*>(out.data()));
  for (const Preset& p : out) {
    if (p.name[kPresetNameSize - 1] != 0) std::abort();
    if (p.leftAmp < kAmpMin || p.leftAmp > kAmpMax || p.rightAmp < kAmpMin || p.rightAmp > kAmpMax) std::abort();
    for (int i = 0; i < bands; ++i)
      if (p.leftGain[i] < kGainMin || p.leftGain[i] > kGainMax || p.rightGain[i] < kGainMin ||
          p.rightGain[i] > kGainMax)
        std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Check<EqualizerPreset>({data, size}, kBands10);
  Check<EqualizerPreset31>({data, size}, kBands31);
  return 0;
}
