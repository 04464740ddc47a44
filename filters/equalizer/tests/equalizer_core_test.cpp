// Whole blocks through the equalizer, checked sample for sample against the
// straightforward computation in reference_equalizer.h, and known signals
// checked end to end.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

#include "filters/equalizer/equalizer_core.h"
#include "filters/equalizer/tests/reference_equalizer.h"

namespace {

using eqtest::Format;

int16_t Sample16(const std::vector<uint8_t>& b, std::size_t index) {
  return static_cast<int16_t>(b[2 * index] | (b[2 * index + 1] << 8));
}
void SetSample16(std::vector<uint8_t>& b, std::size_t index, int v) {
  b[2 * index] = static_cast<uint8_t>(v & 0xFF);
  b[2 * index + 1] = static_cast<uint8_t>((v >> 8) & 0xFF);
}

// A block of n frames; fn(frame, channel) gives the sample (signed; 8-bit
// blocks store it + 128).
template <typename Fn>
std::vector<uint8_t> MakeBlock(const Format& f, int n, Fn fn) {
  std::vector<uint8_t> b(static_cast<std::size_t>(n) * f.channels * (f.bits / 8));
  for (int j = 0; j < n; ++j) {
    for (int c = 0; c < f.channels; ++c) {
      const std::size_t index = static_cast<std::size_t>(j) * f.channels + c;
      const int v = fn(j, c);
      if (f.bits == 8) {
        b[index] = static_cast<uint8_t>(std::clamp(v, -128, 127) + 128);
      } else {
        SetSample16(b, index, std::clamp(v, -32768, 32767));
      }
    }
  }
  return b;
}

std::vector<uint8_t> NoiseBlock(const Format& f, int n, std::mt19937& rng) {
  const int full = f.bits == 8 ? 128 : 32768;
  std::uniform_int_distribution<int> d(-full, full - 1);
  const double w1 = 0.05 + (rng() % 100) * 0.01, w2 = 1.3 + (rng() % 100) * 0.013;
  return MakeBlock(f, n, [&](int j, int c) {
    const double tone = 0.4 * full * std::sin(w1 * j + c) + 0.2 * full * std::sin(w2 * j);
    return static_cast<int>(tone) + d(rng) / 3;
  });
}

filters::StreamFormat Stream(int channels, int bits, uint32_t rate, uint32_t sampleBytes) {
  filters::StreamFormat s{};
  s.channels = static_cast<uint16_t>(channels);
  s.bitsPerSample = static_cast<uint16_t>(bits);
  s.samplesPerSec = rate;
  s.sampleBytes = sampleBytes;
  return s;
}
filters::StreamFormat Stream(const Format& f, std::size_t sampleBytes) {
  return Stream(f.channels, f.bits, f.rate, static_cast<uint32_t>(sampleBytes));
}

void ExpectMatches(const std::vector<uint8_t>& got, const EqualizerShared& rec, const eqtest::Reference& ref,
                   const Format& f, const char* what) {
  std::string why;
  EXPECT_TRUE(eqtest::Matches(got, rec.sound, ref, f, &why)) << what << ": " << why;
}

struct Processed {
  std::vector<uint8_t> samples;
  EqualizerShared rec;
};

Processed ProcessOnce(const Format& f, std::vector<uint8_t> block, const EqualizerShared& settings) {
  eq::EqualizerCore core;
  EXPECT_EQ(core.Prepare(Stream(f, block.size())), kFilterOk);
  Processed run{std::move(block), settings};
  core.Process(run.samples.data(), run.rec);
  return run;
}

void RandomSettings(EqChannelSettings& s, std::mt19937& rng) {
  s.disable = rng() % 5 == 0 ? 1 : 0;
  s.amp = rng() % 3 == 0 ? 0 : static_cast<int32_t>(rng() % 330) - 120;
  for (int32_t& g : s.gain) g = static_cast<int32_t>(rng() % 600) - 200;
}

TEST(EqualizerCore, WholeBlocksMatchTheStraightforwardComputation) {
  const struct {
    Format f;
    int n;
  } cases[] = {{{2, 16, 44100}, 4096}, {{2, 16, 44100}, 1000}, {{1, 16, 48000}, 997}, {{2, 8, 22050}, 1023},
               {{1, 8, 11025}, 512},   {{2, 16, 44100}, 1},    {{2, 16, 44100}, 2},   {{1, 16, 44100}, 3},
               {{2, 16, 44100}, 63},   {{2, 16, 32000}, 8192}, {{1, 8, 44100}, 100}};
  std::mt19937 rng(20261207);
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.f.channels << " channels, " << c.f.bits << " bits, n = " << c.n);
    const uint32_t bytes = static_cast<uint32_t>(c.n) * c.f.channels * (c.f.bits / 8);
    eq::EqualizerCore core;
    ASSERT_EQ(core.Prepare(Stream(c.f, bytes)), kFilterOk);
    EXPECT_EQ(core.frames(), static_cast<uint32_t>(c.n));
    // One core over several blocks: new settings, the same settings again,
    // then a change of one band only, so stale per-bin gains would show.
    EqualizerShared rec{};
    for (int block = 0; block < 4; ++block) {
      if (block == 0 || block == 1) {
        RandomSettings(rec.left, rng);
        RandomSettings(rec.right, rng);
      }
      if (block == 3) {
        rec.left.gain[rng() % kEqBands] += 77;
        rec.right.gain[9] -= 55;
      }
      const auto input = NoiseBlock(c.f, c.n, rng);
      const auto ref = eqtest::ReferenceEqualize(input, c.f, rec);
      auto got = input;
      core.Process(got.data(), rec);
      ExpectMatches(got, rec, ref, c.f, block == 2 ? "repeated settings" : "block");
    }
  }
}

TEST(EqualizerCore, ZeroGainsGiveTheInputWithinOneStepTruncated) {
  std::mt19937 rng(7);
  for (int bits : {8, 16}) {
    const Format f{2, bits, 44100};
    const auto input = NoiseBlock(f, 4410, rng);
    const Processed run = ProcessOnce(f, input, EqualizerShared{});
    int moved = 0;
    for (std::size_t i = 0; i < input.size() / (bits / 8); ++i) {
      if (bits == 8) {
        // Downward: the byte or the one below it.
        ASSERT_TRUE(run.samples[i] == input[i] || run.samples[i] + 1 == input[i]) << i;
        moved += run.samples[i] != input[i];
      } else {
        // Toward zero: the sample or one step closer to zero.
        const int in = Sample16(input, i), out = Sample16(run.samples, i);
        ASSERT_TRUE(out == in || (in > 0 && out == in - 1) || (in < 0 && out == in + 1)) << i << ": " << in << " -> " << out;
        moved += out != in;
      }
    }
    // Truncation, not rounding: some exact values come back just below.
    EXPECT_GT(moved, 0) << bits << " bits";
  }
}

// Magnitude of bin k of one channel of a 16-bit block.
double BinMagnitude(const std::vector<uint8_t>& b, const Format& f, int n, int channel, int k) {
  double re = 0, im = 0;
  for (int j = 0; j < n; ++j) {
    const double x = Sample16(b, static_cast<std::size_t>(j) * f.channels + channel);
    re += x * std::cos(2 * std::numbers::pi * k * j / n);
    im -= x * std::sin(2 * std::numbers::pi * k * j / n);
  }
  return std::hypot(re, im);
}

TEST(EqualizerCore, ABandAtMinus100RemovesItsBinsAndTheNeighboursFallLinearly) {
  // One hertz per bin, so each tone sits on its own bin.
  const int n = 8192;
  const Format f{1, 16, 8192};
  const int tones[] = {600, 800, 1000, 1500, 2000, 3000};
  const double expected[] = {1.0, 0.5, 0.0, 0.25, 0.5, 1.0};
  const auto input = MakeBlock(f, n, [&](int j, int) {
    double v = 0;
    for (int hz : tones) v += 1500 * std::cos(2 * std::numbers::pi * hz * j / n + hz);
    return static_cast<int>(std::lround(v));
  });
  EqualizerShared settings{};
  settings.left.gain[4] = -100;
  const Processed run = ProcessOnce(f, input, settings);
  for (int i = 0; i < 6; ++i) {
    const double ratio = BinMagnitude(run.samples, f, n, 0, tones[i]) / BinMagnitude(input, f, n, 0, tones[i]);
    EXPECT_NEAR(ratio, expected[i], 1e-3) << tones[i] << " Hz";
  }
}

TEST(EqualizerCore, BinsAt114And115HzCountToBandsZeroAndOne) {
  const int n = 4000;
  const Format f{1, 16, 4000};
  for (int hz : {114, 115}) {
    const auto input = MakeBlock(f, n, [&](int j, int) {
      return static_cast<int>(std::lround(8000 * std::cos(2 * std::numbers::pi * hz * j / n)));
    });
    const Processed run = ProcessOnce(f, input, EqualizerShared{});
    const int band = hz == 114 ? 0 : 1;
    EXPECT_GT(run.rec.sound.left.band[band], 0) << hz;
    EXPECT_EQ(run.rec.sound.left.band[1 - band], 0) << hz;
  }
}

TEST(EqualizerCore, TheNyquistBinOfAnEvenBlockGetsItsGainOnce) {
  const Format f{1, 16, 44100};
  EqualizerShared settings{};
  settings.left.gain[9] = 100;  // factor 2 above 16 kHz
  const int n = 64;
  const Processed run = ProcessOnce(f, MakeBlock(f, n, [](int j, int) { return j % 2 ? -1000 : 1000; }), settings);
  for (int j = 0; j < n; ++j) {
    const int expected = j % 2 ? -2000 : 2000;
    EXPECT_LE(std::abs(Sample16(run.samples, j) - expected), 1) << j;
  }
  // Band 9 holds the bins from 15000 Hz up; only the Nyquist bin carries energy.
  const double nyquist = 2.0 * n * 1000;
  int count = 0;
  for (int k = 1; k <= n / 2; ++k) count += k * 44100.0 / n >= 15000;
  EXPECT_EQ(run.rec.sound.left.band[9], static_cast<int>(nyquist * nyquist / count / 1e13 * 32768));
}

TEST(EqualizerCore, TheDcPartPassesWithTheAmplificationOnly) {
  const Format f{2, 16, 44100};
  EqualizerShared settings{};
  settings.left.amp = 50;
  settings.right.amp = -50;
  for (int b = 0; b < kEqBands; ++b) settings.left.gain[b] = settings.right.gain[b] = -100;
  const int n = 1000;
  const Processed run = ProcessOnce(f, MakeBlock(f, n, [](int, int c) { return c == 0 ? 1000 : -1000; }), settings);
  for (int j = 0; j < n; ++j) {
    EXPECT_NEAR(Sample16(run.samples, 2 * j), 1500, 1) << j;
    EXPECT_NEAR(Sample16(run.samples, 2 * j + 1), -500, 1) << j;
  }
  for (int b = 0; b < kEqBands; ++b) {
    EXPECT_EQ(run.rec.sound.left.band[b], 0) << b;
    EXPECT_EQ(run.rec.sound.right.band[b], 0) << b;
  }
}

TEST(EqualizerCore, BypassedChannelsAreMeasuredButNotWritten) {
  std::mt19937 rng(99);
  for (int bits : {8, 16}) {
    const Format f{2, bits, 44100};
    EqualizerShared settings{};
    for (EqChannelSettings* s : {&settings.left, &settings.right}) {
      s->amp = 100;
      for (int32_t& g : s->gain) g = -100;
    }
    settings.left.disable = 1;
    const auto input = NoiseBlock(f, 2048, rng);
    const auto ref = eqtest::ReferenceEqualize(input, f, settings);

    // Left bypassed: its samples stay, the right is changed.
    Processed run = ProcessOnce(f, input, settings);
    ExpectMatches(run.samples, run.rec, ref, f, "left bypassed");
    const int bytes = bits / 8;
    bool leftSame = true, rightSame = true;
    for (std::size_t i = 0; i < input.size(); ++i) {
      (i / bytes % 2 == 0 ? leftSame : rightSame) &= run.samples[i] == input[i];
    }
    EXPECT_TRUE(leftSame);
    EXPECT_FALSE(rightSame);

    // Both bypassed: nothing written, yet both measured from the input.
    settings.right.disable = -1;
    const auto refBoth = eqtest::ReferenceEqualize(input, f, settings);
    run = ProcessOnce(f, input, settings);
    EXPECT_EQ(run.samples, input);
    ExpectMatches(run.samples, run.rec, refBoth, f, "both bypassed");
    EXPECT_GT(run.rec.sound.right.peak, 0);
    EXPECT_GT(run.rec.sound.left.band[5], 0);
  }
}

TEST(EqualizerCore, LevelStatistics) {
  EqualizerShared bypass{};
  bypass.left.disable = 1;

  // 8-bit silence measures 0; 8-bit levels come in 16-bit units.
  const Format mono8{1, 8, 8000};
  Processed run = ProcessOnce(mono8, std::vector<uint8_t>(400, 128), EqualizerShared{});
  EXPECT_EQ(run.rec.sound.left.average, 0);
  EXPECT_EQ(run.rec.sound.left.peak, 0);
  EXPECT_EQ(run.rec.sound.left.minimum, 0);
  run = ProcessOnce(mono8, {0, 255, 128, 127}, bypass);
  EXPECT_EQ(run.rec.sound.left.average, (127 + 127) / 4 * 256);
  EXPECT_EQ(run.rec.sound.left.peak, 127 * 256);
  EXPECT_EQ(run.rec.sound.left.minimum, 0);

  // -32768 counts as 32768; mono copies the left levels to the right.
  const Format mono16{1, 16, 44100};
  run = ProcessOnce(mono16, MakeBlock(mono16, 5, [](int j, int) { return j == 2 ? -32768 : 100 * j; }), bypass);
  EXPECT_EQ(run.rec.sound.left.peak, 32768);
  EXPECT_EQ(run.rec.sound.left.minimum, 0);
  EXPECT_EQ(run.rec.sound.left.average, (0 + 100 + 32768 + 300 + 400) / 5);
  EXPECT_EQ(0, std::memcmp(&run.rec.sound.left, &run.rec.sound.right, sizeof(EqChannelLevels)));

  std::mt19937 rng(3);
  run = ProcessOnce(mono16, NoiseBlock(mono16, 777, rng), EqualizerShared{});
  EXPECT_GT(run.rec.sound.left.band[6], 0);
  EXPECT_EQ(0, std::memcmp(&run.rec.sound.left, &run.rec.sound.right, sizeof(EqChannelLevels)));
}

TEST(EqualizerCore, AShortBlockLeavesBandsWithoutBins) {
  // 100 frames at 44100 Hz: 441 Hz between bins.
  const Format f{2, 16, 44100};
  std::mt19937 rng(5);
  std::uniform_int_distribution<int> d(-20000, 20000);
  const Processed run = ProcessOnce(f, MakeBlock(f, 100, [&](int, int) { return d(rng); }), EqualizerShared{});
  for (const EqChannelLevels* lv : {&run.rec.sound.left, &run.rec.sound.right}) {
    for (int b = 0; b < kEqBands; ++b) {
      if (b == 0 || b == 1 || b == 3) {
        EXPECT_EQ(lv->band[b], 0) << b;
      } else {
        EXPECT_GT(lv->band[b], 0) << b;
      }
    }
  }
}

TEST(EqualizerCore, PrepareRefusesWhatItCannotProcess) {
  eq::EqualizerCore core;
  EXPECT_EQ(core.Prepare(Stream(0, 16, 44100, 4096)), kFilterRefused);
  EXPECT_EQ(core.Prepare(Stream(3, 16, 44100, 4096)), kFilterRefused);
  for (uint16_t bits : {0, 4, 12, 24, 32}) EXPECT_EQ(core.Prepare(Stream(2, bits, 44100, 4096)), kFilterRefused) << bits;
  EXPECT_FALSE(core.prepared());
  // Less than one frame: no plan can be made.
  EXPECT_EQ(core.Prepare(Stream(2, 16, 44100, 3)), kFilterSystemError);
  EXPECT_EQ(core.Prepare(Stream(1, 8, 44100, 0)), kFilterSystemError);
  EXPECT_FALSE(core.prepared());
  // An unprepared core leaves a block alone.
  std::vector<uint8_t> block(8, 0x55);
  EqualizerShared rec{};
  core.Process(block.data(), rec);
  EXPECT_EQ(block, std::vector<uint8_t>(8, 0x55));

  EXPECT_EQ(core.Prepare(Stream(2, 16, 44100, 4099)), kFilterOk);
  EXPECT_EQ(core.frames(), 1024u);  // partial frames are dropped
  EXPECT_EQ(core.Prepare(Stream(1, 8, 22050, 5)), kFilterOk);
  EXPECT_EQ(core.frames(), 5u);
  core.Release();
  EXPECT_FALSE(core.prepared());
}

}  // namespace
