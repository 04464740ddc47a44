#include "auxui/freq_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr char kGuard = '\x5A';

// Runs a writer on a buffer of exactly `size` bytes followed by guard bytes,
// and reports whether it wrote past its promised size.
template <typename Write>
std::string WriteBounded(size_t size, Write write, bool* overran) {
  std::vector<char> buffer(size + 16, kGuard);
  write(buffer.data());
  *overran = false;
  for (size_t i = size; i < buffer.size(); ++i) *overran |= buffer[i] != kGuard;
  return std::string(buffer.data(), strnlen(buffer.data(), size));
}

std::string FreqText(uint32_t frequency) {
  bool overran = true;
  std::string text = WriteBounded(kFreqTextSize, [&](char* out) { FreqToText(frequency, out); }, &overran);
  EXPECT_FALSE(overran) << frequency;
  return text;
}

}  // namespace

TEST(FreqText, KeepsThePaddingZerosAndOneDecimal) {
  EXPECT_EQ(FreqText(100000000), "100.0");
  EXPECT_EQ(FreqText(87500000), "87.5");
  EXPECT_EQ(FreqText(100050000), "100.05");
  EXPECT_EQ(FreqText(101105000), "101.105");
  EXPECT_EQ(FreqText(100000001), "100.000001");
  EXPECT_EQ(FreqText(100010000), "100.01");
  EXPECT_EQ(FreqText(100100000), "100.1");
  EXPECT_EQ(FreqText(0), "0.0");
  EXPECT_EQ(FreqText(1), "0.000001");
  EXPECT_EQ(FreqText(999999), "0.999999");
}

TEST(FreqText, TheLargestFrequencyFitsTwelveBytes) {
  EXPECT_EQ(FreqText(4294967295u), "4294.967295");
  EXPECT_EQ(FreqText(4290000001u), "4290.000001");
}

TEST(FreqText, TextAndFrequencyRoundTrip) {
  for (uint32_t f : {0u, 1u, 87500000u, 100050000u, 101105000u, 100000001u, 4294967295u, 123456789u})
    EXPECT_EQ(TextToFreq(FreqText(f).c_str()), f) << f;
}

TEST(TextToFreq, ReadsMegahertzAndUpToSixDecimals) {
  EXPECT_EQ(TextToFreq("100.05"), 100050000u);
  EXPECT_EQ(TextToFreq("87.5"), 87500000u);
  EXPECT_EQ(TextToFreq("100"), 100000000u);
  EXPECT_EQ(TextToFreq("100."), 100000000u);
  EXPECT_EQ(TextToFreq(".5"), 500000u);
  EXPECT_EQ(TextToFreq("100.1234567"), 100123456u);  // decimals past the sixth are ignored
  EXPECT_EQ(TextToFreq("99.9 MHz"), 99900000u);
  EXPECT_EQ(TextToFreq("99.x5"), 99000000u);
  EXPECT_EQ(TextToFreq("abc"), 0u);
  EXPECT_EQ(TextToFreq(""), 0u);
  EXPECT_EQ(TextToFreq(" 100"), 0u);
  EXPECT_EQ(TextToFreq(nullptr), 0u);
}

TEST(TextToFreq, EveryValueBeyond32BitsIsAnOverflow) {
  EXPECT_EQ(TextToFreq("4300"), kFreqOverflow);
  EXPECT_EQ(TextToFreq("4295"), kFreqOverflow);
  EXPECT_EQ(TextToFreq("4294.97"), kFreqOverflow);
  EXPECT_EQ(TextToFreq("4294.967296"), kFreqOverflow);
  EXPECT_EQ(TextToFreq("4294.967295"), 4294967295u);
  EXPECT_EQ(TextToFreq("4294.9672959"), 4294967295u);
  EXPECT_EQ(TextToFreq("4294"), 4294000000u);
  EXPECT_EQ(TextToFreq(std::string(5000, '9').c_str()), kFreqOverflow);
  EXPECT_EQ(TextToFreq((std::string(5000, '0') + "100.5").c_str()), 100500000u);
}

TEST(StationCaption, AppendsTheNameWithinNamePlusFifteenBytes) {
  bool overran = true;
  const std::string withName = WriteBounded(
      4 + kCaptionExtra, [](char* out) { StationCaption(101700000, "Jazz", out); }, &overran);
  EXPECT_FALSE(overran);
  EXPECT_EQ(withName, "101.7 - Jazz");

  const std::string longName(1000, 'L');
  const std::string longest = WriteBounded(
      longName.size() + kCaptionExtra,
      [&](char* out) { StationCaption(4294967295u, longName.c_str(), out); }, &overran);
  EXPECT_FALSE(overran);
  EXPECT_EQ(longest, "4294.967295 - " + longName);

  EXPECT_EQ(WriteBounded(kCaptionExtra, [](char* out) { StationCaption(88000000, "", out); }, &overran), "88.0");
  EXPECT_FALSE(overran);
}
