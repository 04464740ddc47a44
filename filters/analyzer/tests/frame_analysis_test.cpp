// The rows of one frame: known signals end to end, the element rules, and
// whole rows against a naive transform in halfcomplex order.
#include "filters/analyzer/frame_analysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <random>
#include <vector>

namespace prismo {
namespace {

constexpr double kPi = 3.14159265358979323846;

filters::StreamFormat Format(uint16_t channels, uint16_t bits) {
  filters::StreamFormat f{};
  f.channels = channels;
  f.bitsPerSample = bits;
  f.samplesPerSec = 44100;
  f.sampleBytes = kFrameLength * channels * bits / 8;
  return f;
}

// Interleaved 16-bit bytes from per-channel values.
std::vector<uint8_t> Pcm16(const std::vector<std::vector<int>>& channels) {
  std::vector<uint8_t> bytes;
  for (uint32_t j = 0; j < kFrameLength; ++j)
    for (const auto& c : channels) {
      const auto v = static_cast<uint16_t>(static_cast<int16_t>(c[j]));
      bytes.push_back(static_cast<uint8_t>(v & 0xFF));
      bytes.push_back(static_cast<uint8_t>(v >> 8));
    }
  return bytes;
}

class FrameAnalysisTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(analysis_.Prepare());
    std::memset(&out_, 0x33, sizeof out_);  // anything not written shows up
  }
  void Run(const filters::StreamFormat& f, const std::vector<uint8_t>& bytes) {
    ASSERT_EQ(bytes.size(), filters::FrameBytes(f, kFrameLength));
    analysis_.Analyze(f, bytes.data(), settings_, out_);
  }
  FrameAnalysis analysis_;
  AnalyzerSettings settings_;
  PrismoInfo out_;
};

TEST_F(FrameAnalysisTest, ConstantSixteenBitMonoFillsBothRows) {
  Run(Format(1, 16), Pcm16({std::vector<int>(kFrameLength, 256)}));
  for (uint32_t j = 0; j < kFrameLength; ++j) {
    ASSERT_EQ(out_.waveLeft[j], 2) << j;
    ASSERT_EQ(out_.waveRight[j], 2) << j;
  }
  EXPECT_EQ(out_.spectrumLeft[0], 75);  // 147456 * 255 / 500000
  EXPECT_EQ(out_.spectrumRight[0], 75);
  for (uint32_t i = 1; i < kFrameLength; ++i) {
    ASSERT_EQ(out_.spectrumLeft[i], 0) << i;
    ASSERT_EQ(out_.spectrumRight[i], 0) << i;
  }
}

TEST_F(FrameAnalysisTest, SilenceShowsTheBaseOffsetsOnly) {
  settings_.spectrumBase = 7;
  settings_.waveBase = 9;  // added to non-zero values only
  Run(Format(2, 16), std::vector<uint8_t>(kMaxFrameBytes, 0));
  for (uint32_t i = 0; i < kFrameLength; ++i) {
    ASSERT_EQ(out_.spectrumLeft[i], 7);
    ASSERT_EQ(out_.spectrumRight[i], 7);
    ASSERT_EQ(out_.waveLeft[i], 0);
    ASSERT_EQ(out_.waveRight[i], 0);
  }
}

TEST_F(FrameAnalysisTest, EightBitExtremes) {
  // Zero bytes read as -128: the waveform pins at -128 and only the sum bin shows.
  Run(Format(1, 8), std::vector<uint8_t>(kFrameLength, 0));
  EXPECT_EQ(out_.spectrumLeft[0], 255);  // |trunc(-73728 * 255 / 5000)| = 3760, capped
  for (uint32_t i = 1; i < kFrameLength; ++i) ASSERT_EQ(out_.spectrumLeft[i], 0) << i;
  for (uint32_t j = 0; j < kFrameLength; ++j) ASSERT_EQ(out_.waveLeft[j], -128);

  // Stereo: left bytes 255, right bytes 0, clamped from 254 and -256.
  std::vector<uint8_t> bytes;
  for (uint32_t j = 0; j < kFrameLength; ++j) bytes.insert(bytes.end(), {255, 0});
  Run(Format(2, 8), bytes);
  for (uint32_t j = 0; j < kFrameLength; ++j) {
    ASSERT_EQ(out_.waveLeft[j], 127);
    ASSERT_EQ(out_.waveRight[j], -128);
  }
  EXPECT_EQ(out_.spectrumLeft[0], 255);   // 127 * 576 * 255 / 5000 = 3730
  EXPECT_EQ(out_.spectrumRight[0], 255);
}

TEST_F(FrameAnalysisTest, ExactStepsShowTheirWholeValue) {
  // Elements whose |x| * 255 / N is a whole number; 255 / N as a factor
  // lands a hair below it and would show one less.
  struct Case {
    const char* what;
    uint16_t bits;
    uint32_t spectrumNorm;
    std::vector<uint8_t> frame;
    uint32_t element;
    int want;
  };
  // 8-bit, default N 5000: 392 samples of 9 and 184 of 8 sum to 5000 in bin 0.
  std::vector<uint8_t> eight(kFrameLength, 136);
  std::fill(eight.begin(), eight.begin() + 392, 137);
  // 16-bit, N 7480: +11, -11, ... gives 6336 in bin 288, 6336 * 255 / 7480 = 216.
  std::vector<int> alternating(kFrameLength);
  for (uint32_t j = 0; j < kFrameLength; ++j) alternating[j] = j % 2 ? -11 : 11;
  const Case cases[] = {
      {"bin 0, 8-bit", 8, 500000, eight, 0, 255},
      {"bin 288, 16-bit", 16, 7480, Pcm16({alternating}), kHalfBins, 216},
  };
  for (const Case& c : cases) {
    settings_.spectrumNorm = c.spectrumNorm;
    Run(Format(1, c.bits), c.frame);
    EXPECT_EQ(out_.spectrumLeft[c.element], c.want) << c.what;
  }
}

TEST_F(FrameAnalysisTest, SinesAtBinFrequenciesLightTheirElements) {
  // Left: a sine at bin 10 (imaginary part, element 576 - 10); right: a
  // cosine at bin 50 (real part, element 50). X = 288 * amplitude there.
  settings_.spectrumNorm = 5000000;
  std::vector<int> left(kFrameLength), right(kFrameLength);
  for (uint32_t j = 0; j < kFrameLength; ++j) {
    left[j] = static_cast<int>(std::lround(10000 * std::sin(2 * kPi * 10 * j / kFrameLength)));
    right[j] = static_cast<int>(std::lround(20000 * std::cos(2 * kPi * 50 * j / kFrameLength)));
  }
  Run(Format(2, 16), Pcm16({left, right}));
  for (uint32_t i = 0; i < kFrameLength; ++i) {
    const int wantLeft = i == kFrameLength - 10 ? 146 : 0;  // 2880000 * 255 / 5e6 = 146.9
    const int wantRight = i == 50 ? 255 : 0;                // 5760000 * 255 / 5e6 = 293.8, capped
    ASSERT_EQ(out_.spectrumLeft[i], wantLeft) << i;
    ASSERT_EQ(out_.spectrumRight[i], wantRight) << i;
  }
  // The waveform follows the samples: 10000 / 256 = 39, doubled.
  EXPECT_EQ(out_.waveRight[0], 127);  // 20000 / 256 * 2 = 156, clamped
  const int expected = left[14] / 256 * 2;
  EXPECT_EQ(out_.waveLeft[14], expected);
}

TEST_F(FrameAnalysisTest, RowsMatchANaiveTransformInHalfcomplexOrder) {
  std::mt19937 rng(20261207);
  std::uniform_int_distribution<int> sample(-32768, 32767);
  std::vector<int> left(kFrameLength), right(kFrameLength);
  for (uint32_t j = 0; j < kFrameLength; ++j) {
    left[j] = sample(rng);
    right[j] = sample(rng) / 8;
  }
  // The transform in halfcomplex order, element by element.
  std::vector<double> exact[2];
  for (int c = 0; c < 2; ++c) {
    const std::vector<int>& x = c == 0 ? left : right;
    for (uint32_t i = 0; i < kFrameLength; ++i) {
      const uint32_t bin = i <= kHalfBins ? i : kFrameLength - i;
      long double re = 0, im = 0;
      for (uint32_t j = 0; j < kFrameLength; ++j) {
        const long double a = -2.0L * 3.14159265358979323846264338327950288L * bin * j / kFrameLength;
        re += x[j] * std::cos(a);
        im += x[j] * std::sin(a);
      }
      exact[c].push_back(static_cast<double>(i <= kHalfBins ? re : im));
    }
  }
  settings_.spectrumNorm = 2000000;  // spreads the random spectrum over the byte range
  // Bases that take the clamped path and the low-byte path.
  for (int32_t base : {0, 100, -2}) {
    settings_.spectrumBase = base;
    Run(Format(2, 16), Pcm16({left, right}));
    const double n = settings_.spectrumNorm;
    std::map<int, int> seen;  // bytes seen, to be sure the comparison means something
    for (int c = 0; c < 2; ++c) {
      const uint8_t* row = c == 0 ? out_.spectrumLeft : out_.spectrumRight;
      for (uint32_t i = 0; i < kFrameLength; ++i) {
        // Round-off may move a value that lies within a hair of a whole number.
        const double x = exact[c][i];
        const int low = SpectrumByte(x * (1 - 1e-9), n, base), high = SpectrumByte(x * (1 + 1e-9), n, base);
        ASSERT_TRUE(row[i] == low || row[i] == high)
            << "base " << base << ", channel " << c << ", element " << i << ": " << int(row[i]) << " vs " << low;
        ++seen[row[i]];
      }
    }
    EXPECT_GT(seen.size(), 20u) << base;
  }
}

TEST(ElementRules, WaveformScalesTowardZeroThenMovesAwayFromIt) {
  AnalyzerSettings s;
  EXPECT_EQ(WaveformByte(256, false, s), 2);
  EXPECT_EQ(WaveformByte(-257, false, s), -2);  // -257 / 256 = -1, not -2
  EXPECT_EQ(WaveformByte(-255, false, s), 0);
  EXPECT_EQ(WaveformByte(32767, false, s), 127);
  EXPECT_EQ(WaveformByte(-32768, false, s), -128);
  EXPECT_EQ(WaveformByte(-128, true, s), -128);
  s.waveMagnify = 15;
  EXPECT_EQ(WaveformByte(3, true, s), 4);  // 4.5 toward zero
  EXPECT_EQ(WaveformByte(-3, true, s), -4);
  s.waveBase = 5;
  EXPECT_EQ(WaveformByte(3, true, s), 9);
  EXPECT_EQ(WaveformByte(-3, true, s), -9);
  EXPECT_EQ(WaveformByte(0, true, s), 0);
  EXPECT_EQ(WaveformByte(120, true, s), 127);
  s = AnalyzerSettings{};
  s.waveMagnify = -10;  // a negative magnification turns the picture over
  EXPECT_EQ(WaveformByte(100, true, s), -100);
  s.waveMagnify = 2147483647;  // no overflow on the way to the clamp
  EXPECT_EQ(WaveformByte(-128, true, s), -128);
}

TEST(ElementRules, SpectrumBaseAndCap) {
  const double n = 500000;
  EXPECT_EQ(SpectrumByte(147456, n, 0), 75);
  EXPECT_EQ(SpectrumByte(-147456, n, 0), 75);
  // With BSpec 250, a scaled magnitude of 5 or more shows 255 and 0 shows 250.
  EXPECT_EQ(SpectrumByte(0, n, 250), 250);
  EXPECT_EQ(SpectrumByte(5 * 500000.0 / 255 + 1, n, 250), 255);
  EXPECT_EQ(SpectrumByte(4 * 500000.0 / 255 + 1, n, 250), 254);
  EXPECT_EQ(SpectrumByte(1e12, 1.0, 0), 255);
  // A negative base (stored as a large word) keeps the low byte of the sum.
  EXPECT_EQ(SpectrumByte(0, n, -1), 255);
  EXPECT_EQ(SpectrumByte(2 * 500000.0 / 255 + 1, n, -3), 255);
}

TEST(ElementRules, ZeroNormaliserCountsAsOne) {
  AnalyzerSettings s;
  EXPECT_EQ(SpectrumNormaliser(s, false), 500000.0);
  EXPECT_EQ(SpectrumNormaliser(s, true), 5000.0);
  s.spectrumNorm = 99;  // 0 after the division for 8-bit sound
  EXPECT_EQ(SpectrumNormaliser(s, true), 1.0);
  EXPECT_EQ(SpectrumNormaliser(s, false), 99.0);
  s.spectrumNorm = 0;
  EXPECT_EQ(SpectrumNormaliser(s, false), 1.0);
  s.spectrumNorm = 4294967295u;  // unsigned: the largest word is the least sensitive
  EXPECT_EQ(SpectrumNormaliser(s, false), 4294967295.0);
}

TEST_F(FrameAnalysisTest, ZeroNormaliserShowsEveryNonZeroElementFull) {
  settings_.spectrumNorm = 0;
  Run(Format(1, 16), Pcm16({std::vector<int>(kFrameLength, 1)}));
  EXPECT_EQ(out_.spectrumLeft[0], 255);
  for (uint32_t i = 1; i < kFrameLength; ++i) ASSERT_EQ(out_.spectrumLeft[i], 0) << i;
}

}  // namespace
}  // namespace prismo
