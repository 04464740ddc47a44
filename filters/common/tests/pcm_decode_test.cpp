// Decoding of one 8- or 16-bit sample.
#include "filters/common/pcm_decode.h"

#include <gtest/gtest.h>

namespace {

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

}  // namespace
