// What the sound page decides, without the platform: how a mixer line's name
// scores for a role, which device and line each role starts with, and what
// leaving the page stores in KvLines.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/settings_reader.h"
#include "wizard/language_keys.h"
#include "wizard/sound_system.h"

namespace wizard {

inline constexpr char kLinesSection[] = "KvLines";
inline constexpr char kAudigyKey[] = "Audigy";
inline constexpr char kSoundHelpTopic[] = "slines.html";

enum class Scoring { LineIn, Wave };

// The score of a line's name: the first rule whose text the upper-cased name
// contains decides; 0 when none does.
int ScoreLine(Scoring scoring, std::string_view name);

// One of the page's three choices.
struct SoundRole {
  LangText label;
  int labelId, deviceList, lineList;
  WaveKind kind;
  uint32_t destination;  // the mixer destination searched for lines
  Scoring scoring;
  const char* deviceKey;
  const char* lineKey;
};
// Radio, Recording, Wave out: the order of set-up and of storing.
extern const std::array<SoundRole, 3> kSoundRoles;

// The lines of a device's mixer that a role offers, in mixer order; nothing
// when the mixer cannot be opened.
std::optional<std::vector<SourceLine>> RoleLines(const SoundSystem& system, const SoundRole& role, unsigned device);
// Whether one of those lines scores above 0.
bool Suits(const SoundSystem& system, const SoundRole& role, unsigned device);

// A role's device among `count`: the only one; else a stored index below
// the count; else the first that suits; else the first. Nothing for none.
std::optional<unsigned> ChooseDevice(unsigned count, std::optional<uint32_t> stored,
                                     const std::function<bool(unsigned)>& suits);

// The stored line that counts for `device`: only when the stored device
// index equals it and a line is stored.
std::optional<uint32_t> SavedLine(const SettingsReader& settings, const SoundRole& role, unsigned device);

// The line to select: the saved one when present; else the first with the
// highest score above 0; else the first. Nothing for an empty list.
std::optional<size_t> ChooseLine(const std::vector<SourceLine>& lines, Scoring scoring,
                                 std::optional<uint32_t> saved);

// A role as the user leaves the page.
struct RoleChoice {
  std::optional<unsigned> device;
  std::string deviceName;
  std::optional<uint32_t> line;
  std::string lineName;
};
// The KvLines values to store, in order: each role's device and line as
// chosen, then Audigy = 1 when a device named "AUDIGY" has a chosen line
// with a parenthesis.
std::vector<std::pair<const char*, uint32_t>> ValuesToStore(const std::array<RoleChoice, 3>& choices);

}  // namespace wizard
