// The block checks and the format latch: what is refused, what a later block
// must repeat, and the frame arithmetic derived from a latched format.
#include "filters/common/stream_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "filters/common/module_info.h"

namespace {

std::vector<uint8_t> Data(uint16_t channels, uint32_t rate, uint16_t bits, uint32_t sampleBytes) {
  PcmHeader h{1, channels, rate, rate * channels * bits / 8, static_cast<uint16_t>(channels * bits / 8), bits};
  std::vector<uint8_t> data(kPcmHeaderSize + sampleBytes, 0x5A);
  std::memcpy(data.data(), &h, sizeof h);
  return data;
}

FilterBlock Block(std::vector<uint8_t>& data, const char* name = "PCM") {
  FilterBlock b{};
  std::strncpy(b.formatName, name, sizeof b.formatName);
  b.dataSize = static_cast<uint32_t>(data.size());
  b.data = data.data();
  return b;
}

TEST(FormatName, OnlyExactlyPcmIsTaken) {
  std::vector<uint8_t> data = Data(2, 44100, 16, 64);
  auto pcm = [&](const char* name) {
    const FilterBlock b = Block(data, name);
    return filters::IsPcmBlock(&b);
  };
  EXPECT_TRUE(pcm("PCM"));
  for (const char* name : {"pcm", "Pcm", "PCM ", "PCMX", " PCM", "PC", ""}) EXPECT_FALSE(pcm(name)) << '"' << name << '"';
  EXPECT_FALSE(filters::IsPcmBlock(nullptr));
  // A name without any terminator is refused without reading past the array.
  FilterBlock full = Block(data);
  std::memset(full.formatName, 'P', sizeof full.formatName);
  EXPECT_FALSE(filters::IsPcmBlock(&full));
}

TEST(FormatLatch, TakesHeaderValuesAndSampleBytes) {
  std::vector<uint8_t> data = Data(2, 44100, 16, 4 * 1000);
  const auto f = filters::LatchFormat(Block(data));
  ASSERT_TRUE(f);
  EXPECT_EQ(f->channels, 2);
  EXPECT_EQ(f->bitsPerSample, 16);
  EXPECT_EQ(f->samplesPerSec, 44100u);
  EXPECT_EQ(f->sampleBytes, 4000u);
  EXPECT_EQ(0, std::memcmp(f->header, data.data(), kPcmHeaderSize));
  EXPECT_EQ(f->SampleFrames(), 1000u);

  // A header with no samples is a format too: zero sample frames.
  std::vector<uint8_t> empty = Data(1, 8000, 8, 0);
  const auto e = filters::LatchFormat(Block(empty));
  ASSERT_TRUE(e);
  EXPECT_EQ(e->sampleBytes, 0u);
  EXPECT_EQ(e->SampleFrames(), 0u);
}

TEST(FormatLatch, RefusesWhatThePluginsCannotHold) {
  for (uint16_t channels : {0, 3, 6}) {
    std::vector<uint8_t> d = Data(channels, 44100, 16, 64);
    EXPECT_FALSE(filters::LatchFormat(Block(d))) << channels << " channels";
  }
  for (uint16_t bits : {0, 4, 12, 24, 32}) {
    std::vector<uint8_t> d = Data(2, 44100, bits, 64);
    EXPECT_FALSE(filters::LatchFormat(Block(d))) << bits << " bits";
  }
  // Data sizes below the header, checked before anything is subtracted.
  std::vector<uint8_t> d = Data(2, 44100, 16, 0);
  for (uint32_t size : {0u, 1u, 15u}) {
    FilterBlock b = Block(d);
    b.dataSize = size;
    EXPECT_FALSE(filters::LatchFormat(b)) << size << " bytes";
  }
  FilterBlock null = Block(d);
  null.data = nullptr;
  EXPECT_FALSE(filters::LatchFormat(null));
}

TEST(FormatLatch, LaterBlocksMustRepeatHeaderAndSize) {
  std::vector<uint8_t> first = Data(2, 44100, 16, 400);
  const auto f = filters::LatchFormat(Block(first));
  ASSERT_TRUE(f);
  std::vector<uint8_t> same = Data(2, 44100, 16, 400);
  EXPECT_TRUE(f->Matches(Block(same)));

  std::vector<uint8_t> longer = Data(2, 44100, 16, 401);
  EXPECT_FALSE(f->Matches(Block(longer)));
  std::vector<uint8_t> shorter = Data(2, 44100, 16, 399);
  EXPECT_FALSE(f->Matches(Block(shorter)));
  // Any header byte counts, also those the plug-ins do not otherwise use.
  for (size_t i = 0; i < kPcmHeaderSize; ++i) {
    std::vector<uint8_t> changed = same;
    changed[i] ^= 0x01;
    EXPECT_FALSE(f->Matches(Block(changed))) << "header byte " << i;
  }
  FilterBlock tiny = Block(same);
  tiny.dataSize = 3;  // would wrap around if subtracted first
  EXPECT_FALSE(f->Matches(tiny));
  FilterBlock null = Block(same);
  null.data = nullptr;
  EXPECT_FALSE(f->Matches(null));
}

TEST(FrameArithmetic, WholeFramesDurationsAndBytes) {
  std::vector<uint8_t> stereo16 = Data(2, 44100, 16, 4 * (576 * 3 + 100));
  const auto s = *filters::LatchFormat(Block(stereo16));
  EXPECT_EQ(filters::FramesPerBlock(s, 576), 3u);  // the last 100 sample frames never make a frame
  EXPECT_EQ(filters::FrameBytes(s, 576), 2304u);
  EXPECT_NEAR(filters::FrameDurationMs(s, 576), 13.0612244898, 1e-9);

  std::vector<uint8_t> mono8 = Data(1, 22050, 8, 575);
  const auto m = *filters::LatchFormat(Block(mono8));
  EXPECT_EQ(filters::FramesPerBlock(m, 576), 0u);
  EXPECT_EQ(filters::FrameBytes(m, 576), 576u);
  EXPECT_NEAR(filters::FrameDurationMs(m, 576), 26.1224489796, 1e-9);

  // Sample bytes that are not a whole number of sample frames.
  std::vector<uint8_t> odd = Data(2, 48000, 16, 4 * 576 + 3);
  const auto o = *filters::LatchFormat(Block(odd));
  EXPECT_EQ(filters::FramesPerBlock(o, 576), 1u);
  EXPECT_EQ(filters::FrameDurationMs(o, 576), 12.0);

  std::vector<uint8_t> still = Data(2, 0, 16, 64);
  EXPECT_TRUE(std::isinf(filters::FrameDurationMs(*filters::LatchFormat(Block(still)), 576)));
}

TEST(FilterInfo, FillsAnyRecordAndReturnsIt) {
  ModuleInfo info;
  std::memset(&info, 0xCD, sizeof info);
  static const char kName[] = "Some Filter 1.0";
  EXPECT_EQ(filters::FillFilterInfo(&info, kName), &info);
  EXPECT_EQ(info.kind, kModuleAudioFilter);
  EXPECT_EQ(info.name, kName);
  EXPECT_EQ(filters::FillFilterInfo(nullptr, kName), nullptr);
}

}  // namespace
