// WAV files: what the reader accepts and refuses, and that what the writer
// makes reads back as written.
#include "player/engine/wav_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace engine {
namespace {

void Put32(std::vector<uint8_t>& v, uint32_t x) {
  for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(x >> (8 * i)));
}
void Put16(std::vector<uint8_t>& v, uint16_t x) {
  v.push_back(static_cast<uint8_t>(x));
  v.push_back(static_cast<uint8_t>(x >> 8));
}
void Tag(std::vector<uint8_t>& v, const char* t) { v.insert(v.end(), t, t + 4); }

struct Layout {
  uint16_t tag = 1, channels = 2, bits = 16;
  uint32_t rate = 44100;
  std::vector<int16_t> samples = {1, -1, 1000, -1000, 32767, -32768};
  bool junkChunk = false;
  int64_t dataSizeDelta = 0;
};

std::vector<uint8_t> Make(const Layout& s) {
  std::vector<uint8_t> v;
  Tag(v, "RIFF");
  Put32(v, 0);
  Tag(v, "WAVE");
  if (s.junkChunk) {
    Tag(v, "LIST");
    Put32(v, 3);  // odd: padded by one byte
    v.insert(v.end(), {'a', 'b', 'c', 0});
  }
  Tag(v, "fmt ");
  Put32(v, 16);
  Put16(v, s.tag);
  Put16(v, s.channels);
  Put32(v, s.rate);
  Put32(v, s.rate * s.channels * s.bits / 8);
  Put16(v, static_cast<uint16_t>(s.channels * s.bits / 8));
  Put16(v, s.bits);
  Tag(v, "data");
  Put32(v, static_cast<uint32_t>(static_cast<int64_t>(s.samples.size() * 2) + s.dataSizeDelta));
  for (int16_t x : s.samples) Put16(v, static_cast<uint16_t>(x));
  return v;
}

WavError Parse(const std::vector<uint8_t>& bytes, WavAudio& out) { return ParseWav(bytes.data(), bytes.size(), out); }

TEST(WavFile, ReadsPcm16MonoAndStereoPastOtherChunks) {
  WavAudio a;
  Layout s;
  s.junkChunk = true;
  ASSERT_EQ(Parse(Make(s), a), WavError::None);
  EXPECT_EQ(a.channels, 2);
  EXPECT_EQ(a.rate, 44100u);
  EXPECT_EQ(a.samples, s.samples);
  EXPECT_EQ(a.frames(), 3u);

  s.channels = 1;
  s.rate = 22050;
  ASSERT_EQ(Parse(Make(s), a), WavError::None);
  EXPECT_EQ(a.frames(), 6u);
}

TEST(WavFile, RefusesWhatItCannotPlay) {
  WavAudio a;
  Layout s;
  s.bits = 8;
  EXPECT_EQ(Parse(Make(s), a), WavError::NotPcm16);
  s = Layout{};
  s.tag = 3;  // floating point
  EXPECT_EQ(Parse(Make(s), a), WavError::NotPcm16);
  s = Layout{};
  s.channels = 6;
  EXPECT_EQ(Parse(Make(s), a), WavError::BadChannels);
  s = Layout{};
  s.rate = 0;
  EXPECT_EQ(Parse(Make(s), a), WavError::BadRate);
  s = Layout{};
  s.samples.clear();
  EXPECT_EQ(Parse(Make(s), a), WavError::NoData);
  EXPECT_EQ(ParseWav(nullptr, 0, a), WavError::NotRiff);
  const std::vector<uint8_t> text = {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd', '!', '!'};
  EXPECT_EQ(Parse(text, a), WavError::NotRiff);
  EXPECT_TRUE(a.samples.empty());
}

TEST(WavFile, TruncatedFilesGiveTheWholeFramesThatArePresent) {
  WavAudio a;
  Layout s;
  std::vector<uint8_t> bytes = Make(s);
  bytes.resize(bytes.size() - 3);  // the last frame loses 3 of its 4 bytes
  ASSERT_EQ(Parse(bytes, a), WavError::None);
  EXPECT_EQ(a.frames(), 2u);
  s.dataSizeDelta = 1'000'000;  // claims far more than there is
  ASSERT_EQ(Parse(Make(s), a), WavError::None);
  EXPECT_EQ(a.frames(), 3u);
  // Cut inside the header: nothing to play.
  bytes = Make(Layout{});
  for (size_t cut : {11u, 20u, 30u, 43u}) {
    bytes.resize(cut);
    EXPECT_NE(Parse(bytes, a), WavError::None) << cut;
  }
}

TEST(WavFile, WriterMakesAFileTheReaderTakesBack) {
  const std::string path = (std::filesystem::temp_directory_path() / "engine_wav_test.wav").string();
  std::vector<int16_t> frames;
  for (int i = 0; i < 2000; ++i) frames.push_back(static_cast<int16_t>(i * 31 - 30000));
  {
    WavWriter w;
    ASSERT_TRUE(w.Open(path));
    ASSERT_TRUE(w.Write(frames.data(), 600));
    ASSERT_TRUE(w.Write(frames.data() + 1200, 400));
    EXPECT_EQ(w.frames(), 1000u);
    EXPECT_TRUE(w.Close());
    EXPECT_FALSE(w.Write(frames.data(), 1)) << "closed";
  }
  std::ifstream in(path, std::ios::binary);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_EQ(bytes.size(), 44u + 4000u);
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 44), WavHeader(4000));
  WavAudio a;
  ASSERT_EQ(Parse(bytes, a), WavError::None);
  EXPECT_EQ(a.rate, 44100u);
  EXPECT_EQ(a.channels, 2);
  EXPECT_EQ(a.samples, frames);
  std::remove(path.c_str());

  WavWriter unwritable;
  EXPECT_FALSE(unwritable.Open("/nonexistent-folder/x.wav"));
  EXPECT_FALSE(unwritable.isOpen());
}

// A file that cannot take the header (a full disk) is not kept open as a
// recording.
TEST(WavFile, AFailedHeaderClosesTheFile) {
  WavWriter w;
  EXPECT_FALSE(w.Open("/dev/full"));
  EXPECT_FALSE(w.isOpen());
  const int16_t frame[2] = {1, 2};
  EXPECT_FALSE(w.Write(frame, 1));
}

TEST(WavFile, HeaderFields) {
  const std::vector<uint8_t> h = WavHeader(400);
  ASSERT_EQ(h.size(), 44u);
  WavAudio a;
  std::vector<uint8_t> file = h;
  file.resize(44 + 400, 0);
  ASSERT_EQ(Parse(file, a), WavError::None);
  EXPECT_EQ(a.frames(), 100u);
  EXPECT_EQ(h[4] | h[5] << 8, 36 + 400);
  EXPECT_EQ(h[28] | h[29] << 8 | h[30] << 16, 176400) << "bytes per second";
}

}  // namespace
}  // namespace engine
