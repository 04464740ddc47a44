#include "filters/equalizer/equalizer_core.h"

#include <atomic>
#include <climits>
#include <cstring>

#include "filters/equalizer/sample_convert.h"

namespace eq {
namespace {

// Full scale of a band level, and the mean bin energy that reaches it.
constexpr double kLevelScale = 32768;
constexpr double kBandFullEnergy8 = 1e8;
constexpr double kBandFullEnergy16 = 1e13;
// 8-bit levels are reported in 16-bit sample units.
constexpr int32_t kByteLevelScale = 256;

// Words in the shared record change under our feet; read each once.
int32_t Load(int32_t& word) { return std::atomic_ref<int32_t>(word).load(std::memory_order_relaxed); }
void Store(int32_t& word, int32_t value) { std::atomic_ref<int32_t>(word).store(value, std::memory_order_relaxed); }

// The bypass flag and the amplification, at the start of the block.
EqChannelSettings Snapshot(EqChannelSettings& shared) {
  EqChannelSettings s{};
  s.disable = Load(shared.disable);
  s.amp = Load(shared.amp);
  return s;
}

// The band gains, just before they are applied to the channel.
void SnapshotGains(EqChannelSettings& shared, EqChannelSettings& s) {
  for (int b = 0; b < kEqBands; ++b) s.gain[b] = Load(shared.gain[b]);
}

void Publish(const EqChannelLevels& from, EqChannelLevels& to) {
  Store(to.average, from.average);
  Store(to.peak, from.peak);
  Store(to.minimum, from.minimum);
  for (int b = 0; b < kEqBands; ++b) Store(to.band[b], from.band[b]);
}

}  // namespace

FilterResult EqualizerCore::Prepare(const filters::StreamFormat& format) {
  Release();
  if (format.channels < 1 || format.channels > filters::kMaxChannels ||
      (format.bitsPerSample != 8 && format.bitsPerSample != 16)) {
    return kFilterRefused;
  }
  const uint32_t n = format.SampleFrames();
  // FFTW plans take an int size; nothing smaller than one frame can be planned.
  if (n == 0 || n > INT_MAX) return kFilterSystemError;
  const std::size_t bins = n / 2 + 1;

  for (int c = 0; c < format.channels; ++c) {
    Channel& ch = channel_[c];
    ch.time = filters::AllocateFftw<double>(n);
    ch.spectrum = filters::AllocateFftw<fftw_complex>(bins);
    ch.gain = filters::AllocateFftw<double>(bins);
    ch.whole = filters::AllocateFftw<int32_t>(n);
    ch.gainValid = false;
    if (!ch.time || !ch.spectrum || !ch.gain || !ch.whole) {
      Release();
      return kFilterNoMemory;
    }
  }
  const int size = static_cast<int>(n);
  Channel& left = channel_[0];
  // The forward transform keeps its input: a bypassed channel is measured from it.
  forward_ = filters::FftwPlan(
      fftw_plan_dft_r2c_1d(size, left.time.get(), left.spectrum.get(), FFTW_ESTIMATE | FFTW_PRESERVE_INPUT));
  if (forward_) {
    backward_ = filters::FftwPlan(fftw_plan_dft_c2r_1d(size, left.spectrum.get(), left.time.get(), FFTW_ESTIMATE));
  }
  if (!forward_ || !backward_) {
    Release();
    return kFilterSystemError;
  }

  format_ = format;
  frames_ = n;
  spacing_ = static_cast<double>(format.samplesPerSec) / n;
  scale_ = 1.0 / n;
  // Band lookups rise with frequency, so each band's bins are one run.
  const uint32_t lastBin = n / 2;
  int band = 0;
  bandBegin_.fill(lastBin + 1);
  bandBegin_[0] = 1;
  for (uint32_t k = 1; k <= lastBin; ++k) {
    const int b = BandOf(k * spacing_);
    while (band < b) bandBegin_[++band] = k;
  }
  return kFilterOk;
}

void EqualizerCore::Release() {
  forward_.reset();
  backward_.reset();
  for (Channel& ch : channel_) {
    ch.time.reset();
    ch.spectrum.reset();
    ch.gain.reset();
    ch.whole.reset();
    ch.gainValid = false;
  }
  frames_ = 0;
}

void EqualizerCore::UpdateGains(Channel& ch, const EqChannelSettings& settings) {
  std::array<int32_t, kEqBands> percent;
  std::memcpy(percent.data(), settings.gain, sizeof(settings.gain));
  if (ch.gainValid && percent == ch.gainPercent) return;
  BandFactors factors;
  for (int b = 0; b < kEqBands; ++b) factors[b] = FactorOf(percent[b]);
  double* gain = ch.gain.get();
  gain[0] = 1;
  for (uint32_t k = 1; k <= frames_ / 2; ++k) gain[k] = GainAt(k * spacing_, factors);
  ch.gainPercent = percent;
  ch.gainValid = true;
}

void EqualizerCore::ShapeSpectrum(Channel& ch, bool bypass, std::array<double, kEqBands>& energy) const {
  fftw_complex* x = ch.spectrum.get();
  const double* gain = ch.gain.get();
  const uint32_t n = frames_;
  // Bins below pairEnd have an imaginary part; bin n/2 of an even n has none.
  const uint32_t pairEnd = (n + 1) / 2;
  for (int b = 0; b < kEqBands; ++b) {
    const uint32_t begin = bandBegin_[b];
    const uint32_t end = bandBegin_[b + 1] < pairEnd ? bandBegin_[b + 1] : pairEnd;
    double e = 0;
    if (bypass) {
      for (uint32_t k = begin; k < end; ++k) e += x[k][0] * x[k][0] + x[k][1] * x[k][1];
    } else {
      for (uint32_t k = begin; k < end; ++k) {
        const double re = x[k][0] * gain[k];
        const double im = x[k][1] * gain[k];
        x[k][0] = re;
        x[k][1] = im;
        e += re * re + im * im;
      }
    }
    energy[b] = e;
  }
  if (n % 2 == 0 && n >= 2) {
    const uint32_t k = n / 2;
    int b = kEqBands - 1;
    while (bandBegin_[b] > k) --b;
    if (!bypass) x[k][0] *= gain[k];
    energy[b] += x[k][0] * x[k][0];
  }
}

template <int Bits>
void EqualizerCore::ProcessChannel(Channel& ch, int index, const uint8_t* samples, EqChannelSettings& settings,
                                   EqChannelSettings& live, EqChannelLevels& levels) {
  const uint32_t n = frames_;
  const bool bypass = settings.disable != 0;
  const bool amplify = !bypass && settings.amp != 0;
  const double amp = FactorOf(settings.amp);
  double* time = ch.time.get();

  if constexpr (Bits == 8) {
    DecodeChannel8(samples, format_.channels, index, n, amplify, amp, time);
  } else {
    DecodeChannel16(samples, format_.channels, index, n, amplify, amp, time);
  }

  fftw_execute_dft_r2c(forward_.get(), time, ch.spectrum.get());
  if (!bypass) {
    SnapshotGains(live, settings);
    UpdateGains(ch, settings);
  }
  std::array<double, kEqBands> energy;
  ShapeSpectrum(ch, bypass, energy);
  if (!bypass) fftw_execute_dft_c2r(backward_.get(), ch.spectrum.get(), time);

  // 8-bit samples are cut after the offset of 128, so their truncation goes
  // downward. A bypassed channel is measured from its untouched input.
  constexpr double kLow = Bits == 8 ? -128.0 : -32768.0;
  constexpr double kHigh = Bits == 8 ? 127.0 : 32767.0;
  constexpr double kOffset = Bits == 8 ? 128.0 : 0.0;
  Quantize(time, n, bypass ? 1.0 : scale_, kLow, kHigh, kOffset, ch.whole.get());
  const LevelTotals totals = Bits == 8 ? MeasureLevels8(ch.whole.get(), n) : MeasureLevels16(ch.whole.get(), n);

  const int32_t unit = Bits == 8 ? kByteLevelScale : 1;
  levels.average = static_cast<int32_t>(totals.sum / n) * unit;
  levels.peak = totals.peak * unit;
  levels.minimum = totals.minimum * unit;

  const double fullEnergy = Bits == 8 ? kBandFullEnergy8 : kBandFullEnergy16;
  for (int b = 0; b < kEqBands; ++b) {
    const uint32_t count = bandBegin_[b + 1] - bandBegin_[b];
    if (count == 0) {
      levels.band[b] = 0;
      continue;
    }
    double level = energy[b] / count / fullEnergy * kLevelScale;
    if (level > kLevelScale) level = kLevelScale;
    levels.band[b] = static_cast<int32_t>(level);
  }
}

void EqualizerCore::StoreSamples(uint8_t* samples, const bool bypass[2]) const {
  const int channels = format_.channels;
  if (format_.bitsPerSample == 16 && channels == 2 && !bypass[0] && !bypass[1]) {
    StoreStereo16(channel_[0].whole.get(), channel_[1].whole.get(), frames_, samples);
    return;
  }
  // A bypassed channel's samples are not written at all.
  for (int c = 0; c < channels; ++c) {
    if (bypass[c]) continue;
    if (format_.bitsPerSample == 8) {
      StoreChannel8(channel_[c].whole.get(), channels, c, frames_, samples);
    } else {
      StoreChannel16(channel_[c].whole.get(), channels, c, frames_, samples);
    }
  }
}

void EqualizerCore::Process(uint8_t* samples, EqualizerShared& shared) {
  if (!prepared()) return;
  EqChannelSettings settings[2] = {Snapshot(shared.left), Snapshot(shared.right)};
  EqSoundInfo sound{};
  for (int c = 0; c < format_.channels; ++c) {
    EqChannelLevels& levels = c == 0 ? sound.left : sound.right;
    EqChannelSettings& live = c == 0 ? shared.left : shared.right;
    if (format_.bitsPerSample == 8) {
      ProcessChannel<8>(channel_[c], c, samples, settings[c], live, levels);
    } else {
      ProcessChannel<16>(channel_[c], c, samples, settings[c], live, levels);
    }
  }
  const bool bypass[2] = {settings[0].disable != 0, settings[1].disable != 0};
  StoreSamples(samples, bypass);
  if (format_.channels == 1) sound.right = sound.left;
  Publish(sound.left, shared.sound.left);
  Publish(sound.right, shared.sound.right);
}

}  // namespace eq
