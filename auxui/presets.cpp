#include "auxui/presets.h"

#include <algorithm>
#include <cstring>

#include "host/records.h"

namespace {

constexpr PresetBank kTonal10{kBands10, "Tonal10", sizeof(EqualizerPreset)};
constexpr PresetBank kTonal31{kBands31, "Tonal31", sizeof(EqualizerPreset31)};

// The records are copied byte for byte, so words are read and written
// without assuming alignment.
void ClampWordAt(uint8_t* p, int32_t low, int32_t high) {
  int32_t value;
  std::memcpy(&value, p, sizeof value);
  value = std::clamp(value, low, high);
  std::memcpy(p, &value, sizeof value);
}

template <int Bands>
void RepairPresetOf(uint8_t* record) {
  using Preset = EqualizerPresetOf<Bands>;
  record[offsetof(Preset, name) + kPresetNameSize - 1] = 0;
  ClampWordAt(record + offsetof(Preset, leftAmp), kAmpMin, kAmpMax);
  ClampWordAt(record + offsetof(Preset, rightAmp), kAmpMin, kAmpMax);
  for (int band = 0; band < Bands; ++band) {
    ClampWordAt(record + offsetof(Preset, leftGain) + band * sizeof(int32_t), kGainMin, kGainMax);
    ClampWordAt(record + offsetof(Preset, rightGain) + band * sizeof(int32_t), kGainMin, kGainMax);
  }
}

}  // namespace

std::optional<PresetBank> BankToRead(int32_t bands, FilterTest isActive) {
  if (bands == kBands10) return kTonal10;
  if (bands == kBands31) return kTonal31;
  if (isActive(kTonal31File)) return kTonal31;
  if (isActive(kTonal10File)) return kTonal10;
  return std::nullopt;
}

PresetBank BankToWrite(int32_t bands) { return bands == kBands31 ? kTonal31 : kTonal10; }

uint32_t CountPresets(size_t valueSize, const PresetBank& bank) {
  return static_cast<uint32_t>(valueSize / bank.recordSize);
}

void RepairPreset(uint8_t* record, int32_t bands) {
  if (bands == kBands31)
    RepairPresetOf<kBands31>(record);
  else
    RepairPresetOf<kBands10>(record);
}

void CopyRepairedPresets(std::span<const uint8_t> stored, const PresetBank& bank, uint32_t count, uint8_t* out) {
  const uint32_t whole = std::min(count, CountPresets(stored.size(), bank));
  if (whole == 0) return;
  std::memcpy(out, stored.data(), whole * bank.recordSize);
  for (uint32_t i = 0; i < whole; ++i) RepairPreset(out + i * bank.recordSize, bank.bands);
}
