// The generated programmes: stations sound different from each other and
// from the noise between them; a WAV programme plays its samples.
#include "player/engine/programme.h"

#include <gtest/gtest.h>

#include <cmath>

namespace engine {
namespace {

constexpr size_t kFrames = 44100;  // one second

std::vector<int16_t> Hear(uint32_t broadcast, Reception r, const WavAudio* file = nullptr) {
  Receiver rx(kFrames, file);
  rx.Tune(broadcast, r);
  std::vector<int16_t> out(2 * kFrames);
  rx.Render(out.data(), kFrames);
  return out;
}

double Rms(const std::vector<int16_t>& v) {
  double sum = 0;
  for (int16_t s : v) sum += static_cast<double>(s) * s;
  return std::sqrt(sum / static_cast<double>(v.size()));
}

// How much of the signal survives a one-sample delay: near 1 for tones and
// drums, near 0 for white noise.
double Smoothness(const std::vector<int16_t>& v) {
  double same = 0, energy = 0;
  for (size_t i = 2; i < v.size(); i += 2) {
    same += static_cast<double>(v[i]) * v[i - 2];
    energy += static_cast<double>(v[i]) * v[i];
  }
  return energy > 0 ? same / energy : 0;
}

TEST(Programme, StationsDifferAndAreNotNoise) {
  const auto a = Hear(101'700'000, Reception::Clear);
  const auto b = Hear(89'300'000, Reception::Clear);
  const auto noise = Hear(0, Reception::Clear);
  EXPECT_NE(a, b);
  EXPECT_GT(Rms(a), 1000);
  EXPECT_GT(Smoothness(a), 0.8);
  EXPECT_GT(Smoothness(b), 0.8);
  EXPECT_LT(std::abs(Smoothness(noise)), 0.1) << "no broadcast: white noise";
  EXPECT_GT(Rms(noise), 1000);
  EXPECT_EQ(a, Hear(101'700'000, Reception::Clear)) << "the same station sounds the same";
  EXPECT_NE(StationProgramme(101'700'000).tempo() + StationProgramme(95'000'000).tempo() +
                StationProgramme(104'550'000).tempo(),
            3 * StationProgramme(89'300'000).tempo());
}

TEST(Programme, StationsAreStereoButWeakReceptionIsMono) {
  const auto clear = Hear(101'700'000, Reception::Clear);
  const auto weak = Hear(101'700'000, Reception::Weak);
  double clearDiff = 0;
  for (size_t i = 0; i < clear.size(); i += 2) clearDiff += std::abs(clear[i] - clear[i + 1]);
  EXPECT_GT(clearDiff / kFrames, 100);
  EXPECT_LT(Smoothness(weak), Smoothness(clear)) << "the weak signal carries hiss";
  EXPECT_GT(Smoothness(weak), 0.2) << "but the programme still comes through";
}

TEST(Programme, AWavFileIsPlayedSampleForSampleAndLooped) {
  WavAudio file;
  file.rate = 44100;
  file.channels = 2;
  for (int i = 0; i < 1000; ++i) {
    file.samples.push_back(static_cast<int16_t>(i * 32 - 16000));
    file.samples.push_back(static_cast<int16_t>(-i * 7));
  }
  file.samples[0] = -32768;
  file.samples[1] = 32767;
  const auto heard = Hear(100'000'000, Reception::Clear, &file);
  for (size_t i = 0; i < 3000; ++i) {
    ASSERT_EQ(heard[2 * i], file.samples[2 * (i % 1000)]) << i;
    ASSERT_EQ(heard[2 * i + 1], file.samples[2 * (i % 1000) + 1]) << i;
  }
  const auto between = Hear(0, Reception::None, &file);
  EXPECT_NE(between[2 * 5], file.samples[2 * 5]) << "between stations the file is not heard";

  // Half the rate and mono: each source frame lasts two, on both sides.
  WavAudio mono;
  mono.rate = 22050;
  mono.channels = 1;
  mono.samples = {0, 1000, 2000, 3000};
  const auto slow = Hear(100'000'000, Reception::Clear, &mono);
  EXPECT_EQ(slow[0], 0);
  EXPECT_EQ(slow[2], 500);
  EXPECT_EQ(slow[4], 1000);
  EXPECT_EQ(slow[5], 1000);
}

}  // namespace
}  // namespace engine
