// Records that cross library and process boundaries, with their exact 32-bit
// layout. Records without pointers have the same layout in the native build;
// the ones that hold a pointer are checked only where pointers are 32 bits.
#pragma once

#include <cstddef>
#include <cstdint>

// ---- module information, filled by every loadable module's GetInfo
enum ModuleKind : int32_t {
  kModuleGraphic = 0,
  kModuleTuner = 1,
  kModuleAudioFilter = 2,
};

struct ModuleInfo {
  int32_t kind;
  const char* name;  // owned by the module, valid while it is loaded
};

// ---- one block of the sound stream, handed to Filter2
constexpr std::size_t kFormatNameLength = 260;
constexpr std::size_t kPcmHeaderSize = 16;

struct FilterBlock {
  uint32_t reserved[2];
  char formatName[kFormatNameLength];  // "PCM"
  uint32_t dataSize;                   // header plus sample bytes
  uint8_t* data;                       // 16-byte PCM header, then interleaved samples
};

// The 16-byte header at the start of a block's data (little-endian).
struct PcmHeader {
  uint16_t formatTag;
  uint16_t channels;
  uint32_t samplesPerSec;
  uint32_t avgBytesPerSec;
  uint16_t blockAlign;
  uint16_t bitsPerSample;
};

enum FilterResult : int32_t {
  kFilterOk = 0,
  kFilterNoMemory = 1,
  kFilterRefused = 2,
  kFilterSystemError = 5,
};

// ---- stations: stored as a run of variable records, handed out as StationInfo
struct StationRecordHead {
  uint32_t flags;      // bit 0: shown as a station button; other bits passed through
  uint32_t frequency;  // hertz
  // followed by the NUL-terminated name
};
constexpr uint32_t kStationFlagButton = 1;

constexpr std::size_t kStationNameSize = 256;
struct StationInfo {
  uint32_t frequency;
  uint32_t flags;
  uint32_t number;  // 1-based position in the list
  char name[kStationNameSize];
};

// ---- stored equalizer presets (section Tonal10 or Tonal31, key Presets)
constexpr std::size_t kPresetNameSize = 64;
template <int Bands>
struct EqualizerPresetOf {
  char name[kPresetNameSize];
  int32_t passThrough;  // carried along unchanged
  int32_t leftAmp;      // percent, -100..200
  int32_t rightAmp;
  int32_t leftGain[Bands];  // percent, -100..400, lowest band first
  int32_t rightGain[Bands];
};
using EqualizerPreset = EqualizerPresetOf<10>;
using EqualizerPreset31 = EqualizerPresetOf<31>;

// ---- the analyzer's record, one copy shared by every process
constexpr std::size_t kPrismoRow = 576;
struct PrismoInfo {
  uint8_t spectrumLeft[kPrismoRow];
  uint8_t spectrumRight[kPrismoRow];
  int8_t waveLeft[kPrismoRow];
  int8_t waveRight[kPrismoRow];
};

struct PrismoShared {
  int32_t request;  // non-zero while a viewer wants analysis
  int32_t spare;
  PrismoInfo info;
};

// ---- the equalizer's record, one copy shared by every process
constexpr int kEqBands = 10;
struct EqChannelSettings {
  int32_t disable;          // non-zero: channel bypassed
  int32_t amp;              // pre-amplification in percent
  int32_t gain[kEqBands];   // band gains in percent
};

struct EqChannelLevels {
  int32_t average;
  int32_t peak;
  int32_t minimum;
  int32_t band[kEqBands];
};

struct EqSoundInfo {
  EqChannelLevels left;
  EqChannelLevels right;
};

struct EqualizerShared {
  EqChannelSettings left;   // words 0..11
  EqChannelSettings right;  // words 12..23
  EqSoundInfo sound;        // words 24..49
};

static_assert(sizeof(PcmHeader) == 16);
static_assert(offsetof(PcmHeader, samplesPerSec) == 4 && offsetof(PcmHeader, bitsPerSample) == 14);
static_assert(sizeof(StationRecordHead) == 8);
static_assert(sizeof(StationInfo) == 268);
static_assert(offsetof(StationInfo, flags) == 4 && offsetof(StationInfo, number) == 8 &&
              offsetof(StationInfo, name) == 12);
static_assert(sizeof(EqualizerPreset) == 156 && sizeof(EqualizerPreset31) == 324);
static_assert(offsetof(EqualizerPreset, passThrough) == 64 && offsetof(EqualizerPreset, leftAmp) == 68 &&
              offsetof(EqualizerPreset, rightAmp) == 72 && offsetof(EqualizerPreset, leftGain) == 76 &&
              offsetof(EqualizerPreset, rightGain) == 116);
static_assert(offsetof(EqualizerPreset31, rightGain) == 76 + 4 * 31);
static_assert(sizeof(PrismoInfo) == 2304 && offsetof(PrismoInfo, waveLeft) == 1152);
static_assert(sizeof(PrismoShared) == 2312 && offsetof(PrismoShared, info) == 8);
static_assert(sizeof(EqualizerShared) == 200);
static_assert(offsetof(EqualizerShared, right) == 12 * 4 && offsetof(EqualizerShared, sound) == 24 * 4);
static_assert(offsetof(EqualizerShared, sound.right) == 37 * 4);

#if UINTPTR_MAX == 0xFFFFFFFFu
static_assert(sizeof(ModuleInfo) == 8 && offsetof(ModuleInfo, name) == 4);
static_assert(sizeof(FilterBlock) == 276);
static_assert(offsetof(FilterBlock, formatName) == 8 && offsetof(FilterBlock, dataSize) == 268 &&
              offsetof(FilterBlock, data) == 272);
#endif
