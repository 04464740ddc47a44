// The sound page's guesses and what it stores, over scripted sound systems.
#include <gtest/gtest.h>

#include <set>

#include "tests/support/fake_settings.h"
#include "wizard/scripted_sound_system.h"
#include "wizard/sound_lines.h"

namespace wizard {
namespace {

const SoundRole& kRadio = kSoundRoles[0];
const SoundRole& kRecording = kSoundRoles[1];
const SoundRole& kWave = kSoundRoles[2];

TEST(SoundLineScore, FirstMatchingRuleOfTheUpperCasedName) {
  struct Row {
    Scoring scoring;
    const char* name;
    int score;
  };
  const Row rows[] = {
      {Scoring::LineIn, "Line-In", 10},
      {Scoring::LineIn, "Analog Mix (Line/CD/Aux/TAD/PC)", 9},
      {Scoring::LineIn, "Line In", 5},
      {Scoring::LineIn, "line in", 5},
      {Scoring::LineIn, "Microphone", 0},
      {Scoring::LineIn, "Analog Mix", 0},
      {Scoring::Wave, "Wavetable Synth", 0},
      {Scoring::Wave, "WAVETABLE", 0},
      {Scoring::Wave, "wavetable wave-out", 0},
      {Scoring::Wave, "Wave/MP3", 10},
      {Scoring::Wave, "Wave\\MP3", 10},
      {Scoring::Wave, "wave-out", 10},
      {Scoring::Wave, "WaveOut", 10},
      {Scoring::Wave, "Wave Out Mix", 10},
      {Scoring::Wave, "Wave/Direct Sound", 10},
      {Scoring::Wave, "Wave/DirectSound", 10},
      {Scoring::Wave, "Wave\\Direct Sound", 10},
      {Scoring::Wave, "Wave\\DirectSound", 10},
      {Scoring::Wave, "Wave", 5},
      {Scoring::Wave, "SW Synth", 0},
      {Scoring::Wave, "", 0},
  };
  for (const Row& r : rows) EXPECT_EQ(ScoreLine(r.scoring, r.name), r.score) << r.name;
  // Only the first 255 characters of a name count.
  EXPECT_EQ(ScoreLine(Scoring::Wave, std::string(255, ' ') + "WAVE"), 0);
  EXPECT_EQ(ScoreLine(Scoring::Wave, std::string(251, ' ') + "WAVE"), 5);
}

TEST(SoundDeviceChoice, OnlyOneThenStoredIndexThenFirstSuitingThenFirst) {
  struct Row {
    unsigned count;
    std::optional<uint32_t> stored;
    std::set<unsigned> suiting;
    std::optional<unsigned> chosen;
  };
  const Row rows[] = {
      {0, 1, {0}, std::nullopt},
      {1, 3, {}, 0},  // one device ignores the stored key
      {1, std::nullopt, {}, 0},
      {3, 2, {1}, 2},
      {3, 0, {1}, 0},
      {3, 3, {1}, 1},  // a stored index past the list does not count
      {3, std::nullopt, {1, 2}, 1},
      {3, std::nullopt, {}, 0},
  };
  for (const Row& r : rows)
    EXPECT_EQ(ChooseDevice(r.count, r.stored, [&](unsigned d) { return r.suiting.count(d) > 0; }), r.chosen)
        << r.count << " devices, stored " << r.stored.value_or(99);
}

// A recording card, a wave-out card, and cards whose mixers give nothing.
constexpr char kCards[] = R"(
; recording
in Card A In
destination wavein
line 11 Microphone
line 12 Line In
line 13 Analog Mix (Line/CD/Aux/TAD/PC)
destination speakers
line 14 Line-In
in Broken In
nomixer
out Card A Out
destination speakers
line 21 Wavetable Synth
line 22 Wave
line 23 Line In
destination wavein
line 24 Wave/MP3
out Silent Out
destination 5
line 31 Wave
)";

TEST(SoundLines, EachRoleOffersItsDestinationsLinesAndPreselectsTheBest) {
  const ScriptedSoundSystem system(kCards);
  ASSERT_EQ(system.Devices(WaveKind::In), (std::vector<std::string>{"Card A In", "Broken In"}));
  ASSERT_EQ(system.Devices(WaveKind::Out), (std::vector<std::string>{"Card A Out", "Silent Out"}));

  const auto recording = RoleLines(system, kRecording, 0);
  ASSERT_TRUE(recording);
  EXPECT_EQ(*recording, (std::vector<SourceLine>{{"Microphone", 11}, {"Line In", 12},
                                                 {"Analog Mix (Line/CD/Aux/TAD/PC)", 13}}));
  EXPECT_EQ(ChooseLine(*recording, kRecording.scoring, std::nullopt), 2u) << "the analog mix scores 9, Line In 5";
  auto withLineIn = *recording;
  withLineIn.push_back({"Line-In", 15});
  EXPECT_EQ(ChooseLine(withLineIn, kRecording.scoring, std::nullopt), 3u) << "Line-In scores 10";

  const auto wave = RoleLines(system, kWave, 0);
  ASSERT_TRUE(wave);
  EXPECT_EQ(ChooseLine(*wave, kWave.scoring, std::nullopt), 1u) << "Wave, not the wavetable";
  EXPECT_EQ(ChooseLine(*RoleLines(system, kRadio, 0), kRadio.scoring, std::nullopt), 2u);

  EXPECT_EQ(RoleLines(system, kRecording, 1), std::nullopt) << "a mixer that cannot be opened";
  EXPECT_EQ(RoleLines(system, kRecording, 2), std::nullopt) << "no such device";
  EXPECT_EQ(RoleLines(system, kRadio, 1), std::vector<SourceLine>{}) << "no speakers destination";
  EXPECT_EQ(ChooseLine({}, Scoring::Wave, std::nullopt), std::nullopt);
  EXPECT_EQ(ChooseLine({{"CD", 1}, {"Aux", 2}}, Scoring::LineIn, std::nullopt), 0u) << "nothing scores: the first";

  EXPECT_TRUE(Suits(system, kRecording, 0));
  EXPECT_FALSE(Suits(system, kRecording, 1));
  EXPECT_TRUE(Suits(system, kWave, 0));
  EXPECT_FALSE(Suits(system, kWave, 1)) << "its Wave sits under another destination";
}

TEST(SoundLines, SavedLineCountsOnlyForTheStoredDeviceAndWhenStillPresent) {
  const ScriptedSoundSystem system(kCards);
  const auto lines = *RoleLines(system, kRecording, 0);
  struct Row {
    std::optional<uint32_t> device, line;
    std::optional<size_t> chosen;
  };
  const Row rows[] = {
      {0, 11, 0},               // the saved Microphone
      {0, 99, 2},               // no longer on the mixer: the best score
      {1, 11, 2},               // saved for another device
      {std::nullopt, 11, 2},    // no device stored
      {0, std::nullopt, 2},     // no line stored
  };
  for (const Row& r : rows) {
    wintest::FakeSettings settings;
    if (r.device) settings.dwords[{kLinesSection, "DevRecord"}] = *r.device;
    if (r.line) settings.dwords[{kLinesSection, "LineRecord"}] = *r.line;
    EXPECT_EQ(ChooseLine(lines, kRecording.scoring, SavedLine(settings, kRecording, 0)), r.chosen)
        << r.device.value_or(99) << " " << r.line.value_or(99);
  }
}

TEST(SoundLinesStored, DevicesAndLinesAsChosenAndAudigyOnlyWhenItApplies) {
  using Stored = std::vector<std::pair<std::string, uint32_t>>;
  const auto stored = [](const std::array<RoleChoice, 3>& choices) {
    Stored values;
    for (const auto& [key, value] : ValuesToStore(choices)) values.emplace_back(key, value);
    return values;
  };
  EXPECT_EQ(stored({}), Stored{}) << "no devices: nothing";
  EXPECT_EQ(stored({RoleChoice{1, "Card", 7, "Line In"}, RoleChoice{0, "Card", std::nullopt, ""},
                    RoleChoice{1, "Card", 9, "Wave"}}),
            (Stored{{"DevRadio", 1}, {"LineRadio", 7}, {"DevRecord", 0}, {"DevWave", 1}, {"LineWave", 9}}));

  const RoleChoice plain{0, "Card", 1, "Line In"};
  struct Row {
    const char* device;
    const char* line;
    bool audigy;
  };
  const Row rows[] = {
      {"Audigy Card [D800]", "Analog Mix (Line/CD/Aux/TAD/PC)", true},
      {"audigy card", "Line (2)", true},
      {"Audigy Card", "Line In", false},
      {"Studio Card", "Analog Mix (Line/CD/Aux/TAD/PC)", false},
  };
  for (const Row& r : rows) {
    const Stored values = stored({plain, RoleChoice{0, r.device, 5, r.line}, plain});
    const bool audigy = values.back() == Stored::value_type{"Audigy", 1};
    EXPECT_EQ(audigy, r.audigy) << r.device << " / " << r.line;
  }
}

TEST(ScriptedSoundSystem, SkipsWhatItCannotApply) {
  const ScriptedSoundSystem system(
      "line 1 Orphan\r\ndestination speakers\r\nnomixer\r\n"
      "out  Spaced Name  \r\nline 2 Before destination\r\ndestination x\r\ndestination 7\r\n"
      "line -1 Negative\r\nline 3x Bad\r\nline 4\r\nline 5 Kept Name\r\n");
  EXPECT_EQ(system.Devices(WaveKind::In), std::vector<std::string>{});
  EXPECT_EQ(system.Devices(WaveKind::Out), std::vector<std::string>{"Spaced Name"});
  const auto mixer = system.Mixer(WaveKind::Out, 0);
  ASSERT_TRUE(mixer);
  ASSERT_EQ(mixer->size(), 1u);
  EXPECT_EQ((*mixer)[0].componentType, kDestinationWaveIn);
  EXPECT_EQ((*mixer)[0].sources, (std::vector<SourceLine>{{"", 4}, {"Kept Name", 5}}));
  EXPECT_EQ(system.Mixer(WaveKind::In, 0), std::nullopt);
}

}  // namespace
}  // namespace wizard
