// Decoding of interleaved 8- and 16-bit samples into doubles.
#include "filters/common/pcm_decode.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

filters::StreamFormat Format(uint16_t channels, uint16_t bits) {
  filters::StreamFormat f{};
  f.channels = channels;
  f.bitsPerSample = bits;
  f.samplesPerSec = 44100;
  return f;
}

TEST(PcmDecode, EightBitIsUnsignedAroundOneHundredTwentyEight) {
  EXPECT_EQ(filters::DecodeSample8(0), -128);
  EXPECT_EQ(filters::DecodeSample8(128), 0);
  EXPECT_EQ(filters::DecodeSample8(255), 127);
}

TEST(PcmDecode, SixteenBitIsSignedLittleEndian) {
  const uint8_t min[] = {0x00, 0x80}, max[] = {0xFF, 0x7F}, minusOne[] = {0xFF, 0xFF}, v256[] = {0x00, 0x01};
  EXPECT_EQ(filters::DecodeSample16(min), -32768);
  EXPECT_EQ(filters::DecodeSample16(max), 32767);
  EXPECT_EQ(filters::DecodeSample16(minusOne), -1);
  EXPECT_EQ(filters::DecodeSample16(v256), 256);
}

TEST(PcmDecode, StereoIsSplitByChannel) {
  // Frames (L, R): (1, -2), (300, -32768), (-1, 32767)
  const std::vector<uint8_t> bytes = {0x01, 0x00, 0xFE, 0xFF, 0x2C, 0x01, 0x00, 0x80, 0xFF, 0xFF, 0xFF, 0x7F};
  const auto f = Format(2, 16);
  double left[3] = {}, right[3] = {};
  filters::DecodeFrames(f, bytes.data(), 3, left, right);
  EXPECT_EQ(left[0], 1);
  EXPECT_EQ(left[1], 300);
  EXPECT_EQ(left[2], -1);
  EXPECT_EQ(right[0], -2);
  EXPECT_EQ(right[1], -32768);
  EXPECT_EQ(right[2], 32767);
  EXPECT_EQ(filters::SampleAt(f, bytes.data(), 1, 1), -32768);

  // Only the left channel wanted: the right samples are stepped over.
  double only[3] = {};
  filters::DecodeFrames(f, bytes.data(), 3, only, nullptr);
  EXPECT_EQ(only[1], 300);
  EXPECT_EQ(only[2], -1);

  const std::vector<uint8_t> eight = {255, 0, 128, 129};
  double l8[2] = {}, r8[2] = {};
  filters::DecodeFrames(Format(2, 8), eight.data(), 2, l8, r8);
  EXPECT_EQ(l8[0], 127);
  EXPECT_EQ(r8[0], -128);
  EXPECT_EQ(l8[1], 0);
  EXPECT_EQ(r8[1], 1);
}

TEST(PcmDecode, MonoLeavesTheRightBufferAlone) {
  const std::vector<uint8_t> bytes = {0x00, 0x01, 0x00, 0xFF};
  double left[2] = {}, right[2] = {7, 7};
  filters::DecodeFrames(Format(1, 16), bytes.data(), 2, left, right);
  EXPECT_EQ(left[0], 256);
  EXPECT_EQ(left[1], -256);
  EXPECT_EQ(right[0], 7);
  EXPECT_EQ(right[1], 7);
  EXPECT_EQ(filters::SampleAt(Format(1, 8), bytes.data(), 3, 0), 127);
}

}  // namespace
