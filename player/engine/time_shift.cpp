#include "player/engine/time_shift.h"

#include <algorithm>
#include <cstring>

namespace engine {

TimeShiftBuffer::TimeShiftBuffer(size_t capacityFrames)
    : capacity_(std::max<size_t>(capacityFrames, 1)), ring_(capacity_ * 2) {}

void TimeShiftBuffer::Write(const int16_t* frames, size_t count) {
  if (count > capacity_) {  // only the newest part can stay
    written_ += count - capacity_;
    frames += 2 * (count - capacity_);
    count = capacity_;
  }
  size_t at = static_cast<size_t>(written_ % capacity_);
  while (count > 0) {
    const size_t n = std::min(count, capacity_ - at);
    std::memcpy(&ring_[2 * at], frames, n * 2 * sizeof(int16_t));
    frames += 2 * n;
    count -= n;
    written_ += n;
    at = 0;
  }
}

void TimeShiftBuffer::Read(int64_t position, int16_t* out, size_t count) const {
  const int64_t oldest = static_cast<int64_t>(written_) - static_cast<int64_t>(std::min<uint64_t>(written_, capacity_));
  for (size_t i = 0; i < count; ++i) {
    const int64_t p = position + static_cast<int64_t>(i);
    if (p < oldest || p >= static_cast<int64_t>(written_)) {
      out[2 * i] = out[2 * i + 1] = 0;
      continue;
    }
    const size_t at = static_cast<size_t>(p % static_cast<int64_t>(capacity_));
    out[2 * i] = ring_[2 * at];
    out[2 * i + 1] = ring_[2 * at + 1];
  }
}

TimeShift::TimeShift(uint32_t seconds, uint32_t rate)
    : buffer_(static_cast<size_t>(seconds) * rate), rate_(rate) {}

uint32_t TimeShift::Process(int16_t* frames, size_t count, const TimeShiftControls& c) {
  const int64_t written = static_cast<int64_t>(buffer_.written());
  if (!started_ || c.command != command_) {
    started_ = true;
    command_ = c.command;
    play_ = written - static_cast<int64_t>(c.delaySeconds) * rate_;
  }
  const int64_t n = static_cast<int64_t>(count);
  if (!c.frozen) {
    buffer_.Write(frames, count);
    if (play_ < written) buffer_.Read(play_, frames, count);  // else live, as it is
    play_ += n;
  } else if (play_ < written) {
    // Play on through the kept sound; past its end the live sound follows.
    const size_t kept = static_cast<size_t>(std::min(n, written - play_));
    buffer_.Read(play_, frames, kept);
    play_ += static_cast<int64_t>(kept);
  }
  const int64_t behind = static_cast<int64_t>(buffer_.written()) - play_;
  return behind <= 0 ? 0 : static_cast<uint32_t>((behind + rate_ - 1) / rate_);
}

}  // namespace engine
