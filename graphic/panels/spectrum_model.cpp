#include "graphic/panels/spectrum_model.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

namespace vrx {
namespace {

constexpr int kFirstElement = 4;   // elements below carry the lowest bins and the DC
constexpr int kLastStart = 571;    // element k reads row byte k + 4, so 571 ends at byte 574
constexpr int kRowOffset = 4;
constexpr uint32_t kMinRate = 10, kMaxRate = 50, kDefaultRate = 30;

// Row offsets inside the analyzer's result area.
constexpr int kSpectrumLeft = 0, kSpectrumRight = kSpectrumRow;
constexpr int kWaveLeft = 2 * kSpectrumRow, kWaveRight = 3 * kSpectrumRow;

std::unique_ptr<uint8_t[]> ZeroedBytes(int count) {
  if (count <= 0) return nullptr;
  std::unique_ptr<uint8_t[]> bytes(new (std::nothrow) uint8_t[static_cast<size_t>(count)]);
  if (bytes) std::memset(bytes.get(), 0, static_cast<size_t>(count));
  return bytes;
}

bool AllZero(const uint8_t* bytes, int count) {
  for (int i = 0; i < count; ++i)
    if (bytes[i] != 0) return false;
  return true;
}

// The louder channel's byte, compared as unsigned and read as a sample.
inline int8_t LouderSample(uint8_t left, uint8_t right) { return static_cast<int8_t>(std::max(left, right)); }

}  // namespace

int BandStart(int i, int bands) {
  const double span = std::ldexp(1.0, bands) - 1.0;
  const double logarithmic = kSpectrumRow * (std::ldexp(1.0, i) - 1.0) / span + kFirstElement;
  const double start = std::min(std::max(logarithmic, double(i + kFirstElement)), double(kLastStart));
  return static_cast<int>(start);
}

SpectrumSettings ReadSpectrumSettings(const SettingsReader& settings, const char* section) {
  SpectrumSettings s;
  const uint32_t mode = settings.DwordOr(section, kSpModeKey, 0);
  s.mode = mode < kSpectrumModes ? static_cast<SpectrumMode>(mode) : SpectrumMode::kBarsAndPeaks;
  s.rate = std::clamp(settings.DwordOr(section, kSpRefreshKey, kDefaultRate), kMinRate, kMaxRate);
  return s;
}

SpectrumMode NextMode(SpectrumMode mode) {
  return static_cast<SpectrumMode>((static_cast<uint32_t>(mode) + 1) % kSpectrumModes);
}

// The reader lets a margin be negative or huge as long as the pair's sum is
// below the size. Held to the view, margins give areas that lie inside it
// and arithmetic that stays within int; pixels outside never show anyway.
SpectrumGeometry GeometryOf(const skin::SkinSpectrumRecord& r) {
  SpectrumGeometry g;
  g.width = std::max(r.width, 0), g.height = std::max(r.height, 0);
  const auto across = [&](int32_t margin) { return std::clamp(margin, 0, g.width); };
  const auto down = [&](int32_t margin) { return std::clamp(margin, 0, g.height); };
  g.peakHeight = down(r.peakHeight);
  g.spTop = down(r.spTop), g.spBottom = down(r.spBottom), g.spLeft = across(r.spLeft), g.spRight = across(r.spRight);
  g.waTop = down(r.waTop), g.waBottom = down(r.waBottom), g.waLeft = across(r.waLeft), g.waRight = across(r.waRight);
  g.bands = std::clamp(r.bands, 1, kSpectrumMaxBands);
  return g;
}

int SpectrumGeometry::BandWidth() const { return std::max(width - spLeft - spRight, 0) / bands; }

int SpectrumGeometry::BarHeight(uint8_t level) const {
  return static_cast<int>(int64_t{level} * std::max(BarRange(), 0) / 255);
}

int SpectrumGeometry::PeakLift(uint8_t peak) const { return std::max(BarHeight(peak), peakHeight); }

// Under two rows the area has no row above its centre to reach.
int SpectrumGeometry::WaveReach() const { return std::max(WaveHalf() - 1, 0); }

int SpectrumGeometry::WaveOffset(uint8_t sample) const {
  return static_cast<int>(int64_t{WaveReach()} * static_cast<int8_t>(sample) / 128);  // truncates toward zero
}

int SpectrumGeometry::HistoryOffset(uint8_t amplitude) const {
  return static_cast<int>(int64_t{WaveReach()} * std::abs(int{static_cast<int8_t>(amplitude)}) / 128);
}

SpectrumModel::SpectrumModel(int bands, int waveWidth)
    : bands_(std::clamp(bands, 1, kSpectrumMaxBands)), waveWidth_(std::max(waveWidth, 0)) {
  for (int i = 0; i <= bands_; ++i) starts_[i] = static_cast<uint16_t>(BandStart(i, bands_));
  levels_ = ZeroedBytes(bands_);
  peaks_ = ZeroedBytes(bands_);
  history_ = ZeroedBytes(waveWidth_);
}

void SpectrumModel::Tick(SpectrumMode mode, const uint8_t* info, const SpectrumSettings& settings) {
  if (!info) return;
  switch (mode) {
    case SpectrumMode::kBarsAndPeaks:
    case SpectrumMode::kBars:
      if (levels_) TickBars(info, settings);
      break;
    case SpectrumMode::kWaveform:
      if (history_) TickWaveform(info);
      break;
    case SpectrumMode::kHistory:
      if (history_) TickHistory(info);
      break;
    case SpectrumMode::kOff:
      break;
  }
}

void SpectrumModel::TickBars(const uint8_t* info, const SpectrumSettings& settings) {
  const uint8_t* left = info + kSpectrumLeft + kRowOffset;
  const uint8_t* right = info + kSpectrumRight + kRowOffset;
  const int barFall = static_cast<int>(settings.BarFall());
  const int peakFall = static_cast<int>(settings.PeakFall());
  for (int i = 0; i < bands_; ++i) {
    const int first = starts_[i];
    const int end = std::max<int>(starts_[i + 1], first + 1);
    unsigned sum = 0;
    for (int k = first; k < end; ++k) sum += std::max(left[k], right[k]);
    const int average = static_cast<int>(sum / static_cast<unsigned>(end - first));
    // Bars rise at once and fall by at most barFall a tick.
    int level = levels_[i];
    level = level > average + barFall ? level - barFall : average;
    levels_[i] = static_cast<uint8_t>(level);
    if (peaks_) {
      const int peak = peaks_[i];
      peaks_[i] = static_cast<uint8_t>(peak > level + peakFall ? peak - peakFall : level);
    }
  }
}

void SpectrumModel::TickWaveform(const uint8_t* info) {
  // Columns past the row's 576 samples have none of their own: they show
  // silence (the centre row) rather than reading beyond the row.
  const int sampled = std::min(waveWidth_, kSpectrumRow);
  for (int x = 0; x < sampled; ++x)
    history_[x] = static_cast<uint8_t>(LouderSample(info[kWaveLeft + x], info[kWaveRight + x]));
  if (waveWidth_ > sampled) std::memset(history_.get() + sampled, 0, static_cast<size_t>(waveWidth_ - sampled));
}

void SpectrumModel::TickHistory(const uint8_t* info) {
  int amplitude = 0;
  for (int j = 0; j < kSpectrumRow; ++j)
    amplitude = std::max(amplitude, std::abs(int{LouderSample(info[kWaveLeft + j], info[kWaveRight + j])}));
  std::memmove(history_.get(), history_.get() + 1, static_cast<size_t>(waveWidth_ - 1));
  history_[waveWidth_ - 1] = static_cast<uint8_t>(amplitude);  // 128 is stored as 0x80 and read back as |-128|
}

bool SpectrumModel::ShownAllZero(SpectrumMode mode) const {
  switch (mode) {
    case SpectrumMode::kBarsAndPeaks:
      return !peaks_ || AllZero(peaks_.get(), bands_);
    case SpectrumMode::kBars:
      return !levels_ || AllZero(levels_.get(), bands_);
    case SpectrumMode::kWaveform:
    case SpectrumMode::kHistory:
      return !history_ || AllZero(history_.get(), waveWidth_);
    case SpectrumMode::kOff:
      break;
  }
  return true;
}

void SpectrumModel::Clear() {
  if (levels_) std::memset(levels_.get(), 0, static_cast<size_t>(bands_));
  if (peaks_) std::memset(peaks_.get(), 0, static_cast<size_t>(bands_));
  if (history_) std::memset(history_.get(), 0, static_cast<size_t>(waveWidth_));
}

SpectrumActions SpectrumViewState::Start() const {
  SpectrumActions a;
  a.requestAnalysis = true;
  a.startTimer = engaged_;
  return a;
}

SpectrumActions SpectrumViewState::Create(bool engaged) {
  engaged_ = engaged;
  return mode() == SpectrumMode::kOff ? SpectrumActions{} : Start();
}

SpectrumActions SpectrumViewState::Engage(bool engaged) {
  // Disengaging leaves a running timer alone: the picture dies down first.
  return Create(engaged);
}

SpectrumActions SpectrumViewState::Tick(const uint8_t* info) {
  model_.Tick(mode(), info, settings_);
  SpectrumActions a;
  a.stopTimer = !engaged_ && model_.ShownAllZero(mode());
  return a;
}

SpectrumActions SpectrumViewState::Click() {
  model_.Clear();
  SpectrumActions a;
  if (mode() == SpectrumMode::kOff) a = Start();
  settings_.mode = NextMode(mode());
  if (mode() == SpectrumMode::kOff) a.stopTimer = true;
  return a;
}

SpectrumPicture::SpectrumPicture(int bands, int waveWidth)
    : capacity_(std::max(std::clamp(bands, 1, kSpectrumMaxBands), std::max(waveWidth, 0))),
      shown_(new(std::nothrow) SpectrumCell[static_cast<size_t>(capacity_)]),
      changed_(new(std::nothrow) bool[static_cast<size_t>(capacity_)]()) {
  if (!shown_ || !changed_) capacity_ = 0;
}

SpectrumCell SpectrumPicture::CellOf(const SpectrumViewState& state, const SpectrumGeometry& g, int i) const {
  const SpectrumModel& m = state.model();
  SpectrumCell c;
  switch (state.mode()) {
    case SpectrumMode::kBarsAndPeaks:
    case SpectrumMode::kBars: {
      const int bar = g.BarHeight(m.levels()[i]);
      c.top = g.Baseline() - bar;
      c.height = bar;
      if (state.mode() == SpectrumMode::kBarsAndPeaks && m.peaks()) c.marker = g.Baseline() - g.PeakLift(m.peaks()[i]);
      break;
    }
    case SpectrumMode::kWaveform:
    case SpectrumMode::kHistory: {
      // The centre row of an area one row high lies below it: no trace.
      if (g.WaveHalf() == 0) break;
      const bool wave = state.mode() == SpectrumMode::kWaveform;
      const int a = wave ? g.WaveOffset(m.history()[i]) : g.HistoryOffset(m.history()[i]);
      c.top = g.WaveCentre() - a;
      c.height = wave ? 1 : 2 * a + 1;
      break;
    }
    case SpectrumMode::kOff:
      break;
  }
  return c;
}

SpectrumChange SpectrumPicture::Update(const SpectrumViewState& state, const SpectrumGeometry& g) {
  const SpectrumModel& m = state.model();
  const SpectrumMode mode = state.mode();
  int count = 0;
  if (mode == SpectrumMode::kBarsAndPeaks || mode == SpectrumMode::kBars)
    count = m.levels() ? m.bands() : 0;
  else if (mode == SpectrumMode::kWaveform || mode == SpectrumMode::kHistory)
    count = m.history() ? m.waveWidth() : 0;
  count = std::min(count, capacity_);

  SpectrumChange change;
  change.whole = !drawn_ || mode != mode_;
  change.first = count;
  for (int i = 0; i < count; ++i) {
    const SpectrumCell c = CellOf(state, g, i);
    changed_[i] = change.whole || !(c == shown_[i]);
    if (!changed_[i]) continue;
    shown_[i] = c;
    change.first = std::min(change.first, i);
    change.last = i + 1;
  }
  if (change.whole) change.first = 0, change.last = count;
  drawn_ = true;
  mode_ = mode;
  cells_ = count;
  return change;
}

}  // namespace vrx
