// Runs the active audio-filter plug-ins over each block, in list order. A
// plug-in that answers anything but success is skipped for that block: its
// changes are undone and the next one gets the block as it was.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/records.h"

namespace engine {

class FilterPlugin {
 public:
  virtual ~FilterPlugin() = default;
  virtual int32_t Filter2(FilterBlock* block) = 0;
  virtual void Cleanup() = 0;  // nothing for plug-ins without one
};

class FilterChain {
 public:
  explicit FilterChain(size_t framesPerBlock);

  // Hands the interleaved stereo block to every plug-in and takes back what
  // they made of it. No allocation here: the block buffer is made once.
  void Run(const std::vector<FilterPlugin*>& plugins, int16_t* frames);
  // The engine stops using the plug-ins (advanced functions off, a new
  // filter list, exit): each one releases what it set up.
  void Stop(const std::vector<FilterPlugin*>& plugins);

  size_t framesPerBlock() const { return frames_; }
  uint64_t blocksRun() const { return blocksRun_; }
  uint64_t refusals() const { return refusals_; }

 private:
  size_t frames_;
  std::vector<uint8_t> data_;  // the PCM header, then the samples
  std::vector<uint8_t> saved_;
  FilterBlock block_{};
  bool inUse_ = false;
  uint64_t blocksRun_ = 0;
  uint64_t refusals_ = 0;
};

}  // namespace engine
