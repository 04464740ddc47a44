// The equalizer panel's arithmetic: which bands a band slider drives, the
// gain scale laid on a slider's travel, and reads and writes of the bypass
// words and band gains in an equalizer plug-in's shared record.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vrx {

// An equalizer plug-in as the panel uses it: its file, its settings section
// and its band count. Its record starts with two channel blocks, left then
// right, each a bypass word, a pre-amplification and `bands` gains, all
// signed 32-bit words.
struct EqualizerKind {
  const char* file;
  const char* section;
  uint32_t bands;
};
inline constexpr EqualizerKind kTonal10{"Tonal10.dll", "Tonal10", 10};
inline constexpr EqualizerKind kTonal31{"Tonal31.dll", "Tonal31", 31};
inline constexpr uint32_t kMaxEqualizerBands = 31;

// A band slider's value is reported on 0 ... 800 with 0 % at 400.
inline constexpr int32_t kBandPositionMin = 0;
inline constexpr int32_t kBandPositionMax = 800;
inline constexpr int32_t kBandPositionFlat = 400;
inline constexpr int32_t kGainMin = -100;  // percent
inline constexpr int32_t kGainMax = 400;

// Bands first ... end - 1 (0-based); empty when first == end.
struct BandGroup {
  uint32_t first = 0;
  uint32_t end = 0;
  bool operator==(const BandGroup&) const = default;
};

// The bands that slider s (1-based) of `sliders` drives over `bands` bands:
// the fixed table for 10 sliders over 31 bands, else an even split in which
// every slider gets at least one band (several share one when sliders
// outnumber bands). Empty for s = 0, s > sliders or no bands.
BandGroup GroupOf(uint32_t slider, uint32_t sliders, uint32_t bands);

// Where a stored gain shows on 0 ... 800: four steps per percent below the
// middle, one above it, held to -100 ... +400 %.
int32_t PositionOfGain(int32_t gain);

// The gain of a thumb at `position` on min ... max: the lower half of the
// travel covers -100 ... 0 %, the upper half 0 ... +400 %. A half with no
// room (a travel of one pixel) gives 0 %, never a division by zero; a
// slider that cannot move (max <= min) gives none, and its bands stay.
std::optional<int32_t> GainOfPosition(int32_t min, int32_t max, int32_t position);

// "LFreq7": a band's settings key.
std::string BandKey(const char* prefix, uint32_t band);

// A plug-in's record in shared memory, written by other processes at any
// time: every word is read and written whole, through volatile.
class EqualizerRecord {
 public:
  EqualizerRecord(volatile int32_t* words, uint32_t bands) : words_(words), bands_(bands) {}

  // The left bypass word is 0.
  bool Enabled() const;
  // Both channels' bypass words: 0 when on, 1 when off.
  void SetEnabled(bool on);
  // The largest left gain of the group as a slider position (the middle for
  // an empty group).
  int32_t Position(BandGroup group) const;
  // Sets the group's bands of the left gains to `gain`, then stores all
  // left gains into both channels (the right one ends equal to the left);
  // `gains` receives the values stored, band 0 first (bands entries).
  void SetGroup(BandGroup group, int32_t gain, int32_t* gains);

  int32_t LeftGain(uint32_t band) const { return words_[kGains + band]; }
  int32_t RightGain(uint32_t band) const { return words_[Right() + kGains + band]; }
  uint32_t bands() const { return bands_; }

 private:
  static constexpr uint32_t kBypass = 0, kGains = 2;
  uint32_t Right() const { return bands_ + kGains; }

  volatile int32_t* words_;
  uint32_t bands_;
};

}  // namespace vrx
