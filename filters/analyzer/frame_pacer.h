// Which frame of the current block the worker shows, by the clock: frame k
// is due once k frame durations have passed since the block arrived. A frame
// whose time has passed is skipped, none is shown twice, and a new block
// starts again at frame 0. Clock readings are 32-bit milliseconds that may
// wrap around.
#pragma once

#include <cstdint>

namespace prismo {

class FramePacer {
 public:
  // frameMs may be infinite (a rate of 0): only frame 0 is ever due then.
  FramePacer(double frameMs, uint32_t framesPerBlock) : frameMs_(frameMs), frames_(framesPerBlock) {}

  enum class Action {
    Show,  // analyse and show `frame`
    Wait,  // the frame due was shown already: poll again in a millisecond
    Done,  // the block has no frame left: wait for the next block
  };
  struct Step {
    Action action;
    uint32_t frame;
  };

  // A block arrived (or the worker took it up) at time now.
  void Start(uint32_t now) {
    start_ = now;
    shownAny_ = false;
  }
  Step Next(uint32_t now) const;
  // After a Wait: milliseconds from now until the next frame is due, rounded
  // up, at least 1 and at most kMaxWaitMs. The worker sleeps that long (or
  // until its events wake it) instead of waking every millisecond to find
  // nothing due: a wake-up costs far more than the check it makes.
  uint32_t MsUntilNextFrame(uint32_t now) const;
  static constexpr uint32_t kMaxWaitMs = 1000;
  void Shown(uint32_t frame) {
    last_ = frame;
    shownAny_ = true;
  }

 private:
  double frameMs_;
  uint32_t frames_;
  uint32_t start_ = 0;
  uint32_t last_ = 0;
  bool shownAny_ = false;
};

}  // namespace prismo
