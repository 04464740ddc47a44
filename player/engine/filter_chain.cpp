#include "player/engine/filter_chain.h"

#include <cstring>

#include "player/engine/audio_format.h"

namespace engine {
namespace {

constexpr uint16_t kPcmTag = 1;
constexpr char kPcmName[] = "PCM";

PcmHeader StreamHeader() {
  PcmHeader h{};
  h.formatTag = kPcmTag;
  h.channels = kChannels;
  h.samplesPerSec = kSampleRate;
  h.avgBytesPerSec = kSampleRate * kFrameBytes;
  h.blockAlign = static_cast<uint16_t>(kFrameBytes);
  h.bitsPerSample = kBitsPerSample;
  return h;
}

}  // namespace

FilterChain::FilterChain(size_t framesPerBlock)
    : frames_(framesPerBlock),
      data_(kPcmHeaderSize + framesPerBlock * kFrameBytes),
      saved_(framesPerBlock * kFrameBytes) {}

void FilterChain::Run(const std::vector<FilterPlugin*>& plugins, int16_t* frames) {
  if (plugins.empty()) return;
  inUse_ = true;
  const size_t sampleBytes = frames_ * kFrameBytes;
  const PcmHeader header = StreamHeader();
  uint8_t* samples = data_.data() + kPcmHeaderSize;
  std::memcpy(samples, frames, sampleBytes);
  for (FilterPlugin* plugin : plugins) {
    // A plug-in may have scribbled on the record or the header: every call
    // gets them afresh.
    std::memcpy(data_.data(), &header, kPcmHeaderSize);
    std::memset(&block_, 0, sizeof block_);
    std::memcpy(block_.formatName, kPcmName, sizeof kPcmName);
    block_.dataSize = static_cast<uint32_t>(data_.size());
    block_.data = data_.data();
    std::memcpy(saved_.data(), samples, sampleBytes);
    if (plugin->Filter2(&block_) != kFilterOk) {
      std::memcpy(samples, saved_.data(), sampleBytes);
      ++refusals_;
    }
  }
  std::memcpy(frames, samples, sampleBytes);
  ++blocksRun_;
}

void FilterChain::Stop(const std::vector<FilterPlugin*>& plugins) {
  if (!inUse_) return;
  inUse_ = false;
  for (FilterPlugin* plugin : plugins) plugin->Cleanup();
}

}  // namespace engine
