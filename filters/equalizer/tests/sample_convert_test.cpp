// The vector loops against plain per-sample arithmetic, at sizes that end
// inside and outside a vector step and past the point where the level sums
// are emptied.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "filters/equalizer/sample_convert.h"

namespace {

const uint32_t kSizes[] = {0, 1, 3, 4, 5, 7, 8, 9, 17, 1000, 4 * 65536 + 7};

std::vector<uint8_t> RandomBytes(std::size_t n, std::mt19937& rng) {
  std::vector<uint8_t> b(n);
  for (uint8_t& x : b) x = static_cast<uint8_t>(rng());
  return b;
}

TEST(SampleConvert, DecodingPicksTheChannelAndAmplifies) {
  std::mt19937 rng(1);
  for (uint32_t n : kSizes) {
    for (int channels : {1, 2}) {
      const auto bytes16 = RandomBytes(static_cast<std::size_t>(n) * channels * 2, rng);
      const auto bytes8 = RandomBytes(static_cast<std::size_t>(n) * channels, rng);
      for (int c = 0; c < channels; ++c) {
        for (bool amplify : {false, true}) {
          std::vector<double> got16(n), got8(n);
          eq::DecodeChannel16(bytes16.data(), channels, c, n, amplify, 1.37, got16.data());
          eq::DecodeChannel8(bytes8.data(), channels, c, n, amplify, 1.37, got8.data());
          for (uint32_t j = 0; j < n; ++j) {
            const std::size_t at = static_cast<std::size_t>(j) * channels + c;
            const double x16 = static_cast<int16_t>(bytes16[2 * at] | bytes16[2 * at + 1] << 8);
            const double x8 = bytes8[at] - 128.0;
            ASSERT_EQ(got16[j], amplify ? x16 * 1.37 : x16) << n << " " << channels << " " << c << " " << j;
            ASSERT_EQ(got8[j], amplify ? x8 * 1.37 : x8) << n << " " << channels << " " << c << " " << j;
          }
        }
      }
    }
  }
}

TEST(SampleConvert, QuantizingClampsThenTruncates) {
  std::mt19937 rng(2);
  std::uniform_real_distribution<double> d(-200000, 200000);
  for (uint32_t n : kSizes) {
    std::vector<double> time(n);
    for (double& t : time) t = d(rng);
    if (n > 3) time[1] = -0.5, time[2] = 32767.99, time[3] = -32768.5;
    std::vector<int32_t> got(n);
    eq::Quantize(time.data(), n, 0.25, -32768, 32767, 0, got.data());
    for (uint32_t j = 0; j < n; ++j) {
      ASSERT_EQ(got[j], static_cast<int32_t>(std::trunc(std::fmin(32767, std::fmax(-32768, time[j] * 0.25))))) << j;
    }
    eq::Quantize(time.data(), n, 0.001, -128, 127, 128, got.data());
    for (uint32_t j = 0; j < n; ++j) {
      ASSERT_EQ(got[j], static_cast<int32_t>(std::floor(std::fmin(127, std::fmax(-128, time[j] * 0.001)) + 128))) << j;
    }
  }
}

TEST(SampleConvert, StoringWritesOnlyItsChannel) {
  std::mt19937 rng(3);
  for (uint32_t n : kSizes) {
    std::vector<int32_t> left(n), right(n);
    for (uint32_t j = 0; j < n; ++j) {
      left[j] = static_cast<int32_t>(rng() % 65536) - 32768;
      right[j] = static_cast<int32_t>(rng() % 65536) - 32768;
    }
    std::vector<uint8_t> both(static_cast<std::size_t>(n) * 4, 0xEE), one(both);
    eq::StoreStereo16(left.data(), right.data(), n, both.data());
    eq::StoreChannel16(right.data(), 2, 1, n, one.data());
    for (uint32_t j = 0; j < n; ++j) {
      ASSERT_EQ(static_cast<int16_t>(both[4 * j] | both[4 * j + 1] << 8), left[j]) << j;
      ASSERT_EQ(static_cast<int16_t>(both[4 * j + 2] | both[4 * j + 3] << 8), right[j]) << j;
      ASSERT_EQ(one[4 * j], 0xEE);
      ASSERT_EQ(static_cast<int16_t>(one[4 * j + 2] | one[4 * j + 3] << 8), right[j]) << j;
    }
  }
}

TEST(SampleConvert, LevelTotals) {
  std::mt19937 rng(4);
  for (uint32_t n : kSizes) {
    std::vector<int32_t> s16(n), s8(n);
    for (uint32_t j = 0; j < n; ++j) {
      s16[j] = static_cast<int32_t>(rng() % 65536) - 32768;
      s8[j] = static_cast<int32_t>(rng() % 256);
    }
    // Loud blocks reach the largest level; the sums must survive it.
    if (n > 1000) std::fill(s16.begin(), s16.end(), -32768), s16[n / 2] = 7;
    uint64_t sum16 = 0, sum8 = 0;
    int32_t peak16 = 0, peak8 = 0, low16 = 65535, low8 = 65535;
    for (uint32_t j = 0; j < n; ++j) {
      const int32_t l16 = std::abs(s16[j]), l8 = s8[j] >= 128 ? s8[j] - 128 : 127 - s8[j];
      sum16 += l16, sum8 += l8;
      peak16 = std::max(peak16, l16), peak8 = std::max(peak8, l8);
      low16 = std::min(low16, l16), low8 = std::min(low8, l8);
    }
    const eq::LevelTotals t16 = eq::MeasureLevels16(s16.data(), n), t8 = eq::MeasureLevels8(s8.data(), n);
    EXPECT_EQ(t16.sum, sum16) << n;
    EXPECT_EQ(t16.peak, peak16) << n;
    EXPECT_EQ(t16.minimum, low16) << n;
    EXPECT_EQ(t8.sum, sum8) << n;
    EXPECT_EQ(t8.peak, peak8) << n;
    EXPECT_EQ(t8.minimum, low8) << n;
  }
}

}  // namespace
