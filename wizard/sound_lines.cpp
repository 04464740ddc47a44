#include "wizard/sound_lines.h"

#include <algorithm>
#include <cctype>

#include "wizard/resource_ids.h"

namespace wizard {
namespace {

// Mixers name lines in at most 255 characters.
constexpr size_t kNameChars = 255;

std::string UpperCase(std::string_view text) {
  std::string upper(text.substr(0, kNameChars));
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

struct Rule {
  std::string_view text;
  int score;
};
// First match wins, so the longer names stand before their prefixes.
constexpr Rule kLineInRules[] = {
    {"LINE-IN", 10},
    {"ANALOG MIX (LINE/CD/AUX/TAD/PC)", 9},
    {"LINE", 5},
};
constexpr Rule kWaveRules[] = {
    {"WAVETABLE", 0},         {"WAVE/MP3", 10},          {"WAVE\\MP3", 10},
    {"WAVE-OUT", 10},         {"WAVEOUT", 10},           {"WAVE OUT", 10},
    {"WAVE/DIRECT SOUND", 10}, {"WAVE/DIRECTSOUND", 10}, {"WAVE\\DIRECT SOUND", 10},
    {"WAVE\\DIRECTSOUND", 10}, {"WAVE", 5},
};

}  // namespace

const std::array<SoundRole, 3> kSoundRoles = {{
    {kRadioLabel, IDC_RADIO_LABEL, IDC_RADIO_DEVICE, IDC_RADIO_LINE, WaveKind::Out, kDestinationSpeakers,
     Scoring::LineIn, "DevRadio", "LineRadio"},
    {kRecordLabel, IDC_RECORD_LABEL, IDC_RECORD_DEVICE, IDC_RECORD_LINE, WaveKind::In, kDestinationWaveIn,
     Scoring::LineIn, "DevRecord", "LineRecord"},
    {kWaveLabel, IDC_WAVE_LABEL, IDC_WAVE_DEVICE, IDC_WAVE_LINE, WaveKind::Out, kDestinationSpeakers, Scoring::Wave,
     "DevWave", "LineWave"},
}};

int ScoreLine(Scoring scoring, std::string_view name) {
  const std::string upper = UpperCase(name);
  const auto matches = [&](const auto& rules) {
    for (const Rule& rule : rules)
      if (upper.find(rule.text) != std::string::npos) return rule.score;
    return 0;
  };
  return scoring == Scoring::LineIn ? matches(kLineInRules) : matches(kWaveRules);
}

std::optional<std::vector<SourceLine>> RoleLines(const SoundSystem& system, const SoundRole& role, unsigned device) {
  const auto mixer = system.Mixer(role.kind, device);
  if (!mixer) return std::nullopt;
  std::vector<SourceLine> lines;
  for (const MixerDestination& destination : *mixer)
    if (destination.componentType == role.destination)
      lines.insert(lines.end(), destination.sources.begin(), destination.sources.end());
  return lines;
}

bool Suits(const SoundSystem& system, const SoundRole& role, unsigned device) {
  const auto lines = RoleLines(system, role, device);
  return lines && std::any_of(lines->begin(), lines->end(),
                              [&](const SourceLine& line) { return ScoreLine(role.scoring, line.name) > 0; });
}

std::optional<unsigned> ChooseDevice(unsigned count, std::optional<uint32_t> stored,
                                     const std::function<bool(unsigned)>& suits) {
  if (count == 0) return std::nullopt;
  if (count == 1) return 0u;
  if (stored && *stored < count) return *stored;
  for (unsigned device = 0; device < count; ++device)
    if (suits(device)) return device;
  return 0u;
}

std::optional<uint32_t> SavedLine(const SettingsReader& settings, const SoundRole& role, unsigned device) {
  if (settings.Dword(kLinesSection, role.deviceKey) != device) return std::nullopt;
  return settings.Dword(kLinesSection, role.lineKey);
}

std::optional<size_t> ChooseLine(const std::vector<SourceLine>& lines, Scoring scoring,
                                 std::optional<uint32_t> saved) {
  if (lines.empty()) return std::nullopt;
  if (saved) {
    const auto at = std::find_if(lines.begin(), lines.end(), [&](const SourceLine& l) { return l.id == *saved; });
    if (at != lines.end()) return static_cast<size_t>(at - lines.begin());
  }
  size_t best = 0;
  int bestScore = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    const int score = ScoreLine(scoring, lines[i].name);
    if (score > bestScore) best = i, bestScore = score;
  }
  return best;
}

std::vector<std::pair<const char*, uint32_t>> ValuesToStore(const std::array<RoleChoice, 3>& choices) {
  std::vector<std::pair<const char*, uint32_t>> values;
  bool audigy = false;
  for (size_t i = 0; i < choices.size(); ++i) {
    const RoleChoice& choice = choices[i];
    if (choice.device) values.emplace_back(kSoundRoles[i].deviceKey, *choice.device);
    if (choice.line) values.emplace_back(kSoundRoles[i].lineKey, *choice.line);
    // Such a card wants its parenthesised lines handled apart by the engine.
    audigy |= choice.device && choice.line && UpperCase(choice.deviceName).find("AUDIGY") != std::string::npos &&
              choice.lineName.find('(') != std::string::npos;
  }
  if (audigy) values.emplace_back(kAudigyKey, 1u);
  return values;
}

}  // namespace wizard
