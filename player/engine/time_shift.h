// Time shift: a ring buffer of the last minutes of sound and the play
// position behind it. The delay plays from the past; a frozen buffer takes
// no new sound and plays on from where it was until it reaches its end,
// after which the live sound is heard again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace engine {

class TimeShiftBuffer {
 public:
  explicit TimeShiftBuffer(size_t capacityFrames);
  size_t capacity() const { return capacity_; }
  uint64_t written() const { return written_; }  // frames ever written
  void Write(const int16_t* frames, size_t count);
  // Frames [position, position + count); those no longer (or not yet) held
  // come out silent.
  void Read(int64_t position, int16_t* out, size_t count) const;

 private:
  size_t capacity_;
  std::vector<int16_t> ring_;
  uint64_t written_ = 0;
};

struct TimeShiftControls {
  uint32_t delaySeconds = 0;
  uint32_t command = 0;  // changes whenever a command sets the delay
  bool frozen = false;
};

class TimeShift {
 public:
  TimeShift(uint32_t seconds, uint32_t rate);
  // Takes the live block in place and leaves what is heard in it. Returns
  // the delay heard now in whole seconds (rounded up).
  uint32_t Process(int16_t* frames, size_t count, const TimeShiftControls& c);

 private:
  TimeShiftBuffer buffer_;
  uint32_t rate_;
  int64_t play_ = 0;
  uint32_t command_ = 0;
  bool started_ = false;
};

}  // namespace engine
