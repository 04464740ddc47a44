// The default wave-out device, fed block by block from a few queued
// buffers. Without a device, or when the device stops returning buffers,
// the blocks are dropped and the caller keeps time by the clock.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <vector>

#include "host/win_handle.h"

namespace engine {

class WaveOut {
 public:
  WaveOut(size_t framesPerBlock, HANDLE stopEvent);
  ~WaveOut();
  WaveOut(const WaveOut&) = delete;
  WaveOut& operator=(const WaveOut&) = delete;

  bool open() const { return device_ != nullptr; }
  // Waits for a free buffer and queues the block; false when the device is
  // gone (closed since) or the stop event was set.
  bool Play(const int16_t* frames);

 private:
  static constexpr size_t kBuffers = 4;
  void Close();

  HWAVEOUT device_ = nullptr;
  kv::KernelHandle done_;
  HANDLE stop_;
  size_t bytes_;
  std::vector<std::vector<int16_t>> data_;
  std::vector<WAVEHDR> headers_;
};

}  // namespace engine
