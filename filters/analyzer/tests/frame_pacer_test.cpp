// Frames taken by the clock, with a clock the test sets.
#include "filters/analyzer/frame_pacer.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace prismo {
namespace {

using Action = FramePacer::Action;

// Polls every millisecond from `from` to `to` and records the frames shown.
std::vector<uint32_t> ShowFrames(FramePacer& p, uint32_t from, uint32_t to) {
  std::vector<uint32_t> shown;
  for (uint32_t now = from; now != to; ++now) {
    const auto step = p.Next(now);
    if (step.action == Action::Done) break;
    if (step.action == Action::Show) {
      shown.push_back(step.frame);
      p.Shown(step.frame);
    }
  }
  return shown;
}

TEST(FramePacer, EachFrameOnceWhenItsTimeHasCome) {
  FramePacer p(576.0 / 44100 * 1000, 3);  // 13.06 ms
  p.Start(1000);
  EXPECT_EQ(p.Next(1000).action, Action::Show);
  EXPECT_EQ(p.Next(1000).frame, 0u);
  p.Shown(0);
  EXPECT_EQ(p.Next(1013).action, Action::Wait);
  EXPECT_EQ(p.Next(1014).frame, 1u);
  p.Shown(1);
  EXPECT_EQ(p.Next(1026).action, Action::Wait);
  EXPECT_EQ(p.Next(1027).frame, 2u);
  p.Shown(2);
  EXPECT_EQ(p.Next(1027).action, Action::Done);  // the last one: nothing to wait for
}

TEST(FramePacer, LateFramesAreSkippedNeverRepeated) {
  FramePacer p(12.0, 10);
  p.Start(0);
  p.Shown(p.Next(0).frame);
  // The worker was busy for 50 ms: frames 1 to 3 are gone, 4 is due.
  EXPECT_EQ(p.Next(50).frame, 4u);
  p.Shown(4);
  EXPECT_EQ(p.Next(59).action, Action::Wait);
  EXPECT_EQ(p.Next(60).frame, 5u);
  // Far past the end.
  EXPECT_EQ(p.Next(100000).action, Action::Done);
}

TEST(FramePacer, NewBlockRestartsAtFrameZero) {
  FramePacer p(12.0, 5);
  p.Start(0);
  EXPECT_EQ(ShowFrames(p, 0, 18), (std::vector<uint32_t>{0, 1}));  // cut short 1.5 frames in
  p.Start(18);
  EXPECT_EQ(ShowFrames(p, 18, 1000), (std::vector<uint32_t>{0, 1, 2, 3, 4}));
}

TEST(FramePacer, ClockWrapsAround) {
  FramePacer p(10.0, 4);
  const uint32_t start = std::numeric_limits<uint32_t>::max() - 15;
  p.Start(start);
  EXPECT_EQ(ShowFrames(p, start, start + 100), (std::vector<uint32_t>{0, 1, 2, 3}));
}

TEST(FramePacer, SleepsUntilTheNextFrameIsDue) {
  FramePacer p(576.0 / 44100 * 1000, 10);  // 13.06 ms
  p.Start(100);
  p.Shown(p.Next(100).frame);
  EXPECT_EQ(p.MsUntilNextFrame(100), 14u);  // frame 1 is due at 113.06
  EXPECT_EQ(p.MsUntilNextFrame(112), 2u);
  EXPECT_EQ(p.MsUntilNextFrame(113), 1u);
  // Waking when the wait says so always finds the next frame due.
  for (uint32_t now = 100; now < 200; ++now) {
    const auto step = p.Next(now);
    if (step.action == FramePacer::Action::Show) {
      p.Shown(step.frame);
      continue;
    }
    ASSERT_EQ(step.action, FramePacer::Action::Wait);
    const uint32_t wake = now + p.MsUntilNextFrame(now);
    EXPECT_EQ(p.Next(wake - 1).action, FramePacer::Action::Wait) << now;
    EXPECT_EQ(p.Next(wake).action, FramePacer::Action::Show) << now;
  }
  FramePacer still(std::numeric_limits<double>::infinity(), 3);
  still.Start(0);
  still.Shown(0);
  EXPECT_EQ(still.MsUntilNextFrame(5), FramePacer::kMaxWaitMs);
}

TEST(FramePacer, NoFramesOrNoRate) {
  FramePacer empty(13.0, 0);  // a block shorter than one frame
  empty.Start(5);
  EXPECT_EQ(empty.Next(5).action, Action::Done);

  FramePacer still(std::numeric_limits<double>::infinity(), 3);  // a rate of 0
  still.Start(0);
  EXPECT_EQ(ShowFrames(still, 0, 5000), (std::vector<uint32_t>{0}));
}

}  // namespace
}  // namespace prismo
