// What the tuner-card page and the built-in TV driver's settings decide,
// without the platform: which files are tuner modules and their companions,
// the stored choice, the driver's values with their validity rules, and the
// binary fields that show them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "host/settings_reader.h"

namespace wizard {

// ---- tuner modules and the stored choice
constexpr char kTunerSection[] = "KvTuner";
constexpr char kTunerKey[] = "Tuner";
constexpr char kBuiltInChoice[] = "Built-inTVDriver";
// The built-in driver's entry in the list, always first, and its title.
constexpr char kBuiltInDriverName[] = "Tavrin TV Driver 2.20";

// Whether a found file is a library the page tries: its name ends in ".dll",
// in any letter case.
bool IsDllName(std::string_view fileName);
// The file name of a path: what follows its last backslash.
std::string FileNameOf(std::string_view path);
// The settings companion of a module's file name: its last three characters
// replaced by "kvo"; nothing for a name too short to have them.
std::optional<std::string> CompanionName(std::string_view fileName);

// What the stored KvTuner/Tuner selects when the page opens.
enum class StoredTuner { kNone, kBuiltIn, kModule };
StoredTuner StoredTunerKind(const std::optional<std::string>& stored);

// ---- the built-in driver's values (section TVDrv)
constexpr char kTvDriverSection[] = "TVDrv";

enum class TvChip : uint32_t { kBt8xx = 0, kSaa713x = 1 };
// A stored Chip above 1 reads as the BT8xx.
TvChip ValidChip(std::optional<uint32_t> stored);

struct TvDriverValues {
  uint32_t tuner = 0;  // 0 Generic, 1 Philips FM1216ME_MK3
  uint32_t i2cAddress = 0xC2;
  uint32_t btMask = 0xF;
  uint32_t btMute = 2;
  uint32_t btUnmute = 6;
  uint32_t saaMask = 0xF000;
  uint32_t saaCode = 0x2000;
  uint32_t saaLine = 1;  // audio multiplexer input for unmute, 3 bits
  uint32_t saaMute = 7;  // and for mute
  bool operator==(const TvDriverValues&) const = default;
};

// The stored values (all but Chip) with their defaults, each out-of-range
// value replaced as the driver reads it.
TvDriverValues ReadTvDriverValues(const SettingsReader& store);

// One stored key and the value saving writes to it.
struct TvDriverEntry {
  const char* key;
  uint32_t value;
};
// What saving the built-in settings writes, in order.
std::array<TvDriverEntry, 9> TvDriverEntries(const TvDriverValues& values);

// The tuner-type and I2C-address lists: a value's position and back. A list
// without a valid selection (-1 or beyond the list) gives the default.
constexpr int kI2CAddressCount = 4;
int I2CAddressPosition(uint32_t address);
uint32_t I2CAddressAt(int position);
uint32_t TunerAt(int position);

// ---- binary fields
constexpr int kWideDigits = 32;  // GPIO masks and data
constexpr int kNarrowDigits = 3;  // audio multiplexer inputs

// Exactly `digits` digits '0'/'1', most significant first.
std::string BinaryText(uint32_t value, int digits);
// A field's value: at most 32 characters taken, cut after `digits`, every
// character but '0' read as 1; an empty field reads 0.
uint32_t BinaryValue(std::string_view text, int digits);

}  // namespace wizard
