// The time-shift ring and its play position: delays, wrapping, freezing.
#include "player/engine/time_shift.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

constexpr uint32_t kRate = 10;  // ten frames a second keeps the numbers small

// Frames whose left sample is their running number; right is its negative.
std::vector<int16_t> Ramp(int first, size_t count) {
  std::vector<int16_t> v;
  for (size_t i = 0; i < count; ++i) {
    v.push_back(static_cast<int16_t>(first + static_cast<int>(i)));
    v.push_back(static_cast<int16_t>(-(first + static_cast<int>(i))));
  }
  return v;
}

std::vector<int16_t> Lefts(const std::vector<int16_t>& frames) {
  std::vector<int16_t> out;
  for (size_t i = 0; i < frames.size(); i += 2) out.push_back(frames[i]);
  return out;
}

TEST(TimeShiftBuffer, KeepsTheNewestFramesAcrossTheWrap) {
  TimeShiftBuffer b(8);
  const auto first = Ramp(1, 6);
  b.Write(first.data(), 6);
  const auto second = Ramp(7, 5);
  b.Write(second.data(), 5);
  EXPECT_EQ(b.written(), 11u);
  std::vector<int16_t> out(2 * 10);
  b.Read(1, out.data(), 10);  // frames 1 and 2 are overwritten
  EXPECT_EQ(Lefts(out), (std::vector<int16_t>{0, 0, 4, 5, 6, 7, 8, 9, 10, 11}));
  EXPECT_EQ(out[5], -4);

  const auto huge = Ramp(100, 20);
  b.Write(huge.data(), 20);
  b.Read(23, out.data(), 8);
  EXPECT_EQ(Lefts(out)[0], 112);
  EXPECT_EQ(Lefts(out)[7], 119);
  b.Read(-5, out.data(), 3);
  EXPECT_EQ(out[0], 0);
}

TEST(TimeShift, LiveWithoutDelayAndBehindWithOne) {
  TimeShift ts(5, kRate);
  TimeShiftControls c;
  auto block = Ramp(0, 10);
  EXPECT_EQ(ts.Process(block.data(), 10, c), 0u);
  EXPECT_EQ(Lefts(block)[9], 9) << "live passes unchanged";

  c.delaySeconds = 1;
  c.command = 1;
  block = Ramp(10, 10);
  EXPECT_EQ(ts.Process(block.data(), 10, c), 1u);
  EXPECT_EQ(Lefts(block), Lefts(Ramp(0, 10))) << "one second behind";
  block = Ramp(20, 10);
  ts.Process(block.data(), 10, c);
  EXPECT_EQ(Lefts(block)[0], 10);

  c.delaySeconds = 4;  // further back than was ever written: silence first
  c.command = 2;
  block = Ramp(30, 10);
  EXPECT_EQ(ts.Process(block.data(), 10, c), 4u);
  EXPECT_EQ(Lefts(block)[0], 0);
  EXPECT_EQ(block[1], 0);
}

TEST(TimeShift, AFrozenBufferPlaysOutThenLiveFollows) {
  TimeShift ts(5, kRate);
  TimeShiftControls c;
  for (int s = 0; s < 3; ++s) {
    auto block = Ramp(s * 10, 10);
    ts.Process(block.data(), 10, c);
  }
  c.delaySeconds = 2;
  c.command = 1;
  c.frozen = true;
  auto block = Ramp(30, 10);
  EXPECT_EQ(ts.Process(block.data(), 10, c), 1u) << "frozen: the delay shrinks as the kept sound plays";
  EXPECT_EQ(Lefts(block), Lefts(Ramp(10, 10)));
  block = Ramp(40, 6);
  EXPECT_EQ(ts.Process(block.data(), 6, c), 1u);
  block = Ramp(46, 6);
  EXPECT_EQ(ts.Process(block.data(), 6, c), 0u);
  EXPECT_EQ(Lefts(block), (std::vector<int16_t>{26, 27, 28, 29, 50, 51})) << "the end of the kept sound, then live";

  // Thawed, it fills again from the live sound, still without delay.
  c.frozen = false;
  block = Ramp(60, 10);
  EXPECT_EQ(ts.Process(block.data(), 10, c), 0u);
  EXPECT_EQ(Lefts(block)[0], 60);
}

}  // namespace
}  // namespace engine
