// The spectrum view's numbers, without the platform: the logarithmic band
// boundaries over the analyzer's rows, the bars with their falling peaks,
// the waveform columns and the scrolling amplitude history, the settings
// and the geometry that turns them into pixel rows.
//
// Units: levels and peaks are 0 ... 255; history bytes are signed samples
// (-128 ... 127) except in the amplitude history, where a byte is an
// unsigned amplitude 0 ... 128. Rows are the analyzer's 576-byte rows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "graphic/core/skin_records.h"
#include "host/settings_reader.h"

namespace vrx {

inline constexpr int kSpectrumRow = 576;          // bytes per analyzer row
inline constexpr int kSpectrumInfoBytes = 4 * kSpectrumRow;
using skin::kSpectrumMaxBands;

enum class SpectrumMode : uint32_t {
  kBarsAndPeaks = 0,
  kBars = 1,
  kWaveform = 2,
  kHistory = 3,
  kOff = 4,
};
inline constexpr uint32_t kSpectrumModes = 5;

// Start element of band i (0 <= i <= bands); element k reads row byte k + 4.
int BandStart(int i, int bands);

// The module's SpMode and SpRefresh settings.
struct SpectrumSettings {
  SpectrumMode mode = SpectrumMode::kBarsAndPeaks;
  uint32_t rate = 30;  // ticks per second, 10 ... 50

  uint32_t PeriodMs() const { return 1000 / rate; }
  // Per tick, so bars fall about 1000 and peaks 150 steps a second.
  uint32_t BarFall() const { return rate <= 1000 ? 1000 / rate : 1; }
  uint32_t PeakFall() const { return rate <= 150 ? 150 / rate : 1; }
};
SpectrumSettings ReadSpectrumSettings(const SettingsReader& settings, const char* section);
inline constexpr char kSpModeKey[] = "SpMode";
inline constexpr char kSpRefreshKey[] = "SpRefresh";

SpectrumMode NextMode(SpectrumMode mode);

// Where things lie inside the view, from the skin's Spectrum record.
// Built through GeometryOf, every margin and the marker's height lie within
// the view, so no row or column below comes out of it.
struct SpectrumGeometry {
  int width = 0, height = 0;
  int peakHeight = 0;
  int spTop = 0, spBottom = 0, spLeft = 0, spRight = 0;
  int waTop = 0, waBottom = 0, waLeft = 0, waRight = 0;
  int bands = 1;

  int BandWidth() const;
  int BarRange() const { return height - spTop - spBottom; }
  int Baseline() const { return height - spBottom; }
  int WaveWidth() const { return width - waLeft - waRight; }
  int WaveHalf() const { return (height - waTop - waBottom) / 2; }
  int WaveCentre() const { return height - waBottom - WaveHalf(); }

  // Pixel height of a bar at this level.
  int BarHeight(uint8_t level) const;
  // Height of a peak marker's bottom above the baseline, at least the
  // marker's own height, so a marker at level 0 rests on the baseline.
  int PeakLift(uint8_t peak) const;
  // Rows above the centre: a signed sample in the waveform, an amplitude
  // in the history (both ways from the centre).
  int WaveOffset(uint8_t sample) const;
  int HistoryOffset(uint8_t amplitude) const;
  int WaveReach() const;  // the most rows a trace reaches from the centre
};
SpectrumGeometry GeometryOf(const skin::SkinSpectrumRecord& record);

// The state that one tick updates: levels, peaks and history, allocated
// once. A tick allocates nothing and reads at most the rows' bytes.
class SpectrumModel {
 public:
  // Allocation failures leave the array absent (null), never throw.
  SpectrumModel(int bands, int waveWidth);

  // One tick of the mode over the analyzer's result area (null: nothing
  // changes).
  void Tick(SpectrumMode mode, const uint8_t* info, const SpectrumSettings& settings);
  bool ShownAllZero(SpectrumMode mode) const;
  void Clear();

  int bands() const { return bands_; }
  int waveWidth() const { return waveWidth_; }
  const uint8_t* levels() const { return levels_.get(); }
  const uint8_t* peaks() const { return peaks_.get(); }
  const uint8_t* history() const { return history_.get(); }

 private:
  void TickBars(const uint8_t* info, const SpectrumSettings& settings);
  void TickWaveform(const uint8_t* info);
  void TickHistory(const uint8_t* info);

  int bands_;
  int waveWidth_;
  uint16_t starts_[kSpectrumMaxBands + 1] = {};
  std::unique_ptr<uint8_t[]> levels_, peaks_, history_;
};

// What the view must do on the platform after an event.
struct SpectrumActions {
  bool requestAnalysis = false;  // store 1 in the analyzer's request flag
  bool startTimer = false;       // (re)start the refresh timer
  bool stopTimer = false;
};

// The view's life: mode, engage state and the timer's rules. The timer runs
// while engaged in every mode but off; after the engine disengages, ticks
// go on until everything the mode shows has died down to 0.
class SpectrumViewState {
 public:
  SpectrumViewState(const SpectrumSettings& settings, int bands, int waveWidth)
      : settings_(settings), model_(bands, waveWidth) {}

  // Creation with the engine's engage state as asked.
  SpectrumActions Create(bool engaged);
  // The engine's engage notice.
  SpectrumActions Engage(bool engaged);
  // One refresh tick over the analyzer's result area (null when there is none).
  SpectrumActions Tick(const uint8_t* info);
  // A click: clears everything and goes to the next mode; the caller stores
  // the new mode.
  SpectrumActions Click();

  SpectrumMode mode() const { return settings_.mode; }
  bool engaged() const { return engaged_; }
  const SpectrumSettings& settings() const { return settings_; }
  const SpectrumModel& model() const { return model_; }

 private:
  SpectrumActions Start() const;

  SpectrumSettings settings_;
  SpectrumModel model_;
  bool engaged_ = false;
};

// One band or column as drawn: the lit run (a bar, a trace pixel, an
// amplitude span) as its top row and height, and the peak marker's top row
// (kNoMarker: none).
struct SpectrumCell {
  static constexpr int kNoMarker = INT32_MIN;  // a marker's top may lie above the view
  int top = 0, height = 0, marker = kNoMarker;
  bool operator==(const SpectrumCell&) const = default;
};

// Which cells an update changed: [first, last), and whether the whole view
// is to be drawn again (the first update, or another mode).
struct SpectrumChange {
  bool whole = false;
  int first = 0, last = 0;
  bool Any() const { return whole || first < last; }
};

// The view's picture in pixels, as last drawn, so that a tick redraws only
// the bands or columns that moved and a tick that moved none draws nothing.
// Allocated once; Update allocates nothing.
class SpectrumPicture {
 public:
  SpectrumPicture(int bands, int waveWidth);

  SpectrumChange Update(const SpectrumViewState& state, const SpectrumGeometry& geometry);
  int cells() const { return cells_; }
  const SpectrumCell& cell(int i) const { return shown_[i]; }
  bool changed(int i) const { return changed_[i]; }

 private:
  SpectrumCell CellOf(const SpectrumViewState& state, const SpectrumGeometry& g, int i) const;

  int capacity_;
  int cells_ = 0;
  bool drawn_ = false;
  SpectrumMode mode_ = SpectrumMode::kOff;
  std::unique_ptr<SpectrumCell[]> shown_;
  std::unique_ptr<bool[]> changed_;
};

}  // namespace vrx
