// Stored equalizer presets (key Presets of section Tonal10 or Tonal31): a
// run of whole records of a 64-byte name, a word carried along, two
// amplifications and the left and right band gains.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

constexpr int32_t kBands10 = 10;
constexpr int32_t kBands31 = 31;

constexpr int32_t kAmpMin = -100;
constexpr int32_t kAmpMax = 200;
constexpr int32_t kGainMin = -100;
constexpr int32_t kGainMax = 400;

// The equalizer a preset list belongs to.
struct PresetBank {
  int32_t bands;        // 10 or 31
  const char* section;  // "Tonal10" or "Tonal31"
  size_t recordSize;    // 156 or 324
};

constexpr char kTonal10File[] = "Tonal10.dll";
constexpr char kTonal31File[] = "Tonal31.dll";

// Whether a plug-in file is in the active-filter list.
using FilterTest = bool (*)(const char* fileName);

// 10 and 31 name their own bank; any other count takes the 31-band
// equalizer when it is active, else the 10-band one, else none.
std::optional<PresetBank> BankToRead(int32_t bands, FilterTest isActive);
// 31 writes the 31-band list, anything else the 10-band one.
PresetBank BankToWrite(int32_t bands);

// Whole records in a stored value; a remainder is ignored.
uint32_t CountPresets(size_t valueSize, const PresetBank& bank);

// Copies count records from stored into out, terminating each name at its
// 64th byte and clamping amplifications and gains into their ranges.
void CopyRepairedPresets(std::span<const uint8_t> stored, const PresetBank& bank, uint32_t count, uint8_t* out);

// Repairs one record in place.
void RepairPreset(uint8_t* record, int32_t bands);
