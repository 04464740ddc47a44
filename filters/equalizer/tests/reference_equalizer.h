// A straightforward double-precision equalizer for the tests: FFTW's
// halfcomplex transforms, a per-bin band search, division by n, written
// apart from the shipped code so that the two check each other.
#pragma once

#include <fftw3.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "host/records.h"

namespace eqtest {

struct Format {
  int channels;
  int bits;
  uint32_t rate;
};

struct Reference {
  std::vector<uint8_t> samples;      // the expected block
  std::vector<bool> uncertain;       // per sample: its value lies at an integer step
  EqSoundInfo sound{};
  bool bandUncertain[2][kEqBands]{};  // a band level at an integer step
};

inline bool AtStep(double v) { return std::fabs(v - std::round(v)) < 1e-6; }

inline Reference ReferenceEqualize(const std::vector<uint8_t>& block, const Format& f, const EqualizerShared& rec) {
  static const double F[10] = {60, 170, 310, 600, 1000, 3000, 6000, 12000, 14000, 16000};
  static const double mid[9] = {115, 240, 455, 800, 2000, 4500, 9000, 13000, 15000};
  const int bytes = f.bits / 8;
  const int n = static_cast<int>(block.size() / f.channels / bytes);
  Reference r;
  r.samples = block;
  r.uncertain.assign(block.size() / bytes, false);
  const double spacing = static_cast<double>(f.rate) / n;

  for (int c = 0; c < f.channels; ++c) {
    const EqChannelSettings& s = c == 0 ? rec.left : rec.right;
    EqChannelLevels& lv = c == 0 ? r.sound.left : r.sound.right;
    const bool bypass = s.disable != 0;
    double amp = 1 + s.amp * 0.01;
    if (amp < 0) amp = 0;
    double g[10];
    for (int b = 0; b < 10; ++b) g[b] = std::fmax(0.0, 1 + s.gain[b] * 0.01);

    std::vector<double> t(n), X(n), y(n);
    for (int j = 0; j < n; ++j) {
      const std::size_t at = (static_cast<std::size_t>(j) * f.channels + c) * bytes;
      double x;
      if (bytes == 1) {
        x = block[at] - 128.0;
      } else {
        x = static_cast<int16_t>(block[at] | (block[at + 1] << 8));
      }
      if (s.amp != 0 && !bypass) x = x * amp;
      t[j] = x;
    }
    fftw_plan fwd = fftw_plan_r2r_1d(n, t.data(), X.data(), FFTW_R2HC, FFTW_ESTIMATE);
    fftw_execute(fwd);
    fftw_destroy_plan(fwd);

    double energy[10] = {};
    int count[10] = {};
    for (int k = 1; k < (n + 1) / 2 || (n % 2 == 0 && k == n / 2); ++k) {
      const double hz = k * spacing;
      double G;
      int B;
      if (hz > 16000) {
        G = g[9];
        B = 9;
      } else if (hz <= 60) {
        G = g[0];
        B = 0;
      } else {
        int lo = 0;
        for (int i = 0; i < 9; ++i) {
          if (F[i] < hz && hz <= F[i + 1]) lo = i;
        }
        G = g[lo] + (g[lo + 1] - g[lo]) * (hz - F[lo]) / (F[lo + 1] - F[lo]);
        B = hz >= mid[lo] ? lo + 1 : lo;
      }
      const bool nyquist = n % 2 == 0 && k == n / 2;
      if (!bypass) {
        X[k] *= G;
        if (!nyquist) X[n - k] *= G;
      }
      energy[B] += nyquist ? X[k] * X[k] : X[k] * X[k] + X[n - k] * X[n - k];
      count[B] += 1;
    }
    if (!bypass) {
      fftw_plan bwd = fftw_plan_r2r_1d(n, X.data(), y.data(), FFTW_HC2R, FFTW_ESTIMATE);
      fftw_execute(bwd);
      fftw_destroy_plan(bwd);
    }

    uint64_t sum = 0;
    int peak = 0, low = 65535;
    for (int j = 0; j < n; ++j) {
      const std::size_t index = static_cast<std::size_t>(j) * f.channels + c;
      const std::size_t at = index * bytes;
      const double exact = bypass ? t[j] : y[j] / n;
      double v = exact;
      int level;
      // Where the exact value lies on a step (a clamping limit included), the
      // transforms' round-off decides on which side.
      if (bytes == 1) {
        v = std::fmin(127.0, std::fmax(-128.0, v));
        const int u = static_cast<int>(std::floor(v + 128));
        if (!bypass) {
          r.samples[at] = static_cast<uint8_t>(u);
          r.uncertain[index] = AtStep(exact) && exact > -128.5 && exact < 127.5;
        }
        level = u >= 128 ? u - 128 : 127 - u;
      } else {
        v = std::fmin(32767.0, std::fmax(-32768.0, v));
        const int s16 = static_cast<int>(std::trunc(v));
        if (!bypass) {
          r.samples[at] = static_cast<uint8_t>(s16 & 0xFF);
          r.samples[at + 1] = static_cast<uint8_t>((s16 >> 8) & 0xFF);
          r.uncertain[index] = AtStep(exact) && exact > -32768.5 && exact < 32767.5;
        }
        level = std::abs(s16);
      }
      sum += level;
      peak = std::max(peak, level);
      low = std::min(low, level);
    }
    const int unit = bytes == 1 ? 256 : 1;
    lv.average = static_cast<int32_t>(sum / n) * unit;
    lv.peak = peak * unit;
    lv.minimum = low * unit;
    const double D = bytes == 1 ? 1e8 : 1e13;
    for (int b = 0; b < 10; ++b) {
      if (count[b] == 0) {
        lv.band[b] = 0;
        continue;
      }
      const double level = std::fmin(32768.0, energy[b] / count[b] / D * 32768);
      lv.band[b] = static_cast<int32_t>(std::trunc(level));
      r.bandUncertain[c][b] = AtStep(level) && level > 0.5;
    }
  }
  if (f.channels == 1) {
    r.sound.right = r.sound.left;
    for (int b = 0; b < 10; ++b) r.bandUncertain[1][b] = r.bandUncertain[0][b];
  }
  return r;
}

// Whether a processed block and its levels agree with the reference; a
// sample may be one step off only where the exact value lies on a step, and
// then the three statistics may be off by one step as well.
inline bool Matches(const std::vector<uint8_t>& got, const EqSoundInfo& sound, const Reference& ref, const Format& f,
                    std::string* why) {
  const auto sample = [&](const std::vector<uint8_t>& b, std::size_t i) {
    return f.bits == 8 ? b[i] : static_cast<int16_t>(b[2 * i] | (b[2 * i + 1] << 8));
  };
  int stepsOff = 0;
  for (std::size_t i = 0; i < ref.uncertain.size(); ++i) {
    const int a = sample(got, i), e = sample(ref.samples, i);
    if (a == e) continue;
    if (!ref.uncertain[i] || std::abs(a - e) != 1) {
      *why = "sample " + std::to_string(i) + ": " + std::to_string(a) + " expected " + std::to_string(e);
      return false;
    }
    ++stepsOff;
  }
  const int tolerance = stepsOff > 0 ? (f.bits == 8 ? 256 : 1) : 0;
  const EqChannelLevels* got2[2] = {&sound.left, &sound.right};
  const EqChannelLevels* exp2[2] = {&ref.sound.left, &ref.sound.right};
  for (int c = 0; c < 2; ++c) {
    const std::string channel = c == 0 ? "left " : "right ";
    const auto check = [&](const char* name, int a, int e, int tol) {
      if (std::abs(a - e) <= tol) return true;
      *why = channel + name + ": " + std::to_string(a) + " expected " + std::to_string(e);
      return false;
    };
    if (!check("average", got2[c]->average, exp2[c]->average, tolerance) ||
        !check("peak", got2[c]->peak, exp2[c]->peak, tolerance) ||
        !check("minimum", got2[c]->minimum, exp2[c]->minimum, tolerance)) {
      return false;
    }
    for (int b = 0; b < kEqBands; ++b) {
      const std::string name = "band " + std::to_string(b);
      if (!check(name.c_str(), got2[c]->band[b], exp2[c]->band[b], ref.bandUncertain[c][b] ? 1 : 0)) return false;
    }
  }
  return true;
}

}  // namespace eqtest
