#include "wizard/tuner_rules.h"

#include <algorithm>
#include <cctype>

namespace wizard {
namespace {

constexpr std::string_view kDllSuffix = ".dll";
constexpr std::string_view kCompanionSuffix = "kvo";
constexpr uint32_t kFirstI2CAddress = 0xC0;
constexpr uint32_t kDefaultI2CAddress = 0xC2;
constexpr uint32_t kLastTuner = 1;
constexpr uint32_t kLastInput = 7;  // three bits of the audio multiplexer
constexpr size_t kFieldCharsTaken = 32;

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

uint32_t ValidI2CAddress(uint32_t address) {
  return address >= kFirstI2CAddress && address < kFirstI2CAddress + 2 * kI2CAddressCount && address % 2 == 0
             ? address
             : kDefaultI2CAddress;
}

}  // namespace

bool IsDllName(std::string_view fileName) {
  return fileName.size() >= kDllSuffix.size() &&
         EqualIgnoringCase(fileName.substr(fileName.size() - kDllSuffix.size()), kDllSuffix);
}

std::string FileNameOf(std::string_view path) {
  const size_t slash = path.rfind('\\');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::optional<std::string> CompanionName(std::string_view fileName) {
  if (fileName.size() < kCompanionSuffix.size()) return std::nullopt;
  return std::string(fileName.substr(0, fileName.size() - kCompanionSuffix.size())) + std::string(kCompanionSuffix);
}

StoredTuner StoredTunerKind(const std::optional<std::string>& stored) {
  if (!stored) return StoredTuner::kNone;
  return *stored == kBuiltInChoice ? StoredTuner::kBuiltIn : StoredTuner::kModule;
}

TvChip ValidChip(std::optional<uint32_t> stored) {
  return stored.value_or(0) == static_cast<uint32_t>(TvChip::kSaa713x) ? TvChip::kSaa713x : TvChip::kBt8xx;
}

TvDriverValues ReadTvDriverValues(const SettingsReader& store) {
  const TvDriverValues defaults;
  const auto read = [&](const char* key, uint32_t fallback) { return store.DwordOr(kTvDriverSection, key, fallback); };
  TvDriverValues v;
  v.tuner = read("Tuner", defaults.tuner);
  if (v.tuner > kLastTuner) v.tuner = defaults.tuner;
  v.i2cAddress = ValidI2CAddress(read("I2CAddress", defaults.i2cAddress));
  v.btMask = read("BTGPIOMask", defaults.btMask);
  v.btMute = read("BTGPIOMute", defaults.btMute);
  v.btUnmute = read("BTGPIOUnmute", defaults.btUnmute);
  v.saaMask = read("SAAGPIOMask", defaults.saaMask);
  v.saaCode = read("SAAGPIOCode", defaults.saaCode);
  v.saaLine = read("SAALine", defaults.saaLine);
  if (v.saaLine > kLastInput) v.saaLine = defaults.saaLine;
  v.saaMute = read("SAAMute", defaults.saaMute);
  if (v.saaMute > kLastInput) v.saaMute = defaults.saaMute;
  return v;
}

std::array<TvDriverEntry, 9> TvDriverEntries(const TvDriverValues& v) {
  return {{{"Tuner", v.tuner},
           {"I2CAddress", v.i2cAddress},
           {"BTGPIOMask", v.btMask},
           {"BTGPIOMute", v.btMute},
           {"BTGPIOUnmute", v.btUnmute},
           {"SAAGPIOMask", v.saaMask},
           {"SAAGPIOCode", v.saaCode},
           {"SAALine", v.saaLine},
           {"SAAMute", v.saaMute}}};
}

int I2CAddressPosition(uint32_t address) { return static_cast<int>((ValidI2CAddress(address) - kFirstI2CAddress) / 2); }

uint32_t I2CAddressAt(int position) {
  return position >= 0 && position < kI2CAddressCount ? kFirstI2CAddress + 2 * static_cast<uint32_t>(position)
                                                      : kDefaultI2CAddress;
}

uint32_t TunerAt(int position) {
  return position >= 0 && static_cast<uint32_t>(position) <= kLastTuner ? static_cast<uint32_t>(position) : 0;
}

std::string BinaryText(uint32_t value, int digits) {
  std::string text(static_cast<size_t>(digits), '0');
  for (int i = 0; i < digits; ++i)
    if (value >> (digits - 1 - i) & 1u) text[static_cast<size_t>(i)] = '1';
  return text;
}

uint32_t BinaryValue(std::string_view text, int digits) {
  text = text.substr(0, std::min({text.size(), kFieldCharsTaken, static_cast<size_t>(digits)}));
  uint32_t value = 0;
  for (const char c : text) value = value << 1 | (c != '0' ? 1u : 0u);
  return value;
}

}  // namespace wizard
