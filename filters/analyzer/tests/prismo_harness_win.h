// Prismo.dll loaded by name, as the engine and the graphic module load it,
// and sound blocks to feed it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "host/records.h"

namespace prismo_test {

inline constexpr char kLibrary[] = "Prismo.dll";
inline constexpr uint32_t kFrame = 576;

class PrismoLibrary {
 public:
  PrismoLibrary() : module_(LoadLibraryA(kLibrary)) {
    if (!module_) return;
    getInfo = Proc<ModuleInfo* (*)(ModuleInfo*)>("GetInfo");
    filter2 = Proc<int32_t (*)(FilterBlock*)>("Filter2");
    cleanup = Proc<int32_t (*)()>("Cleanup");
    getPrismo = Proc<PrismoShared* (*)()>("GetPrismo");
    getPrismoInfo = Proc<PrismoInfo* (*)()>("GetPrismoInfo");
  }
  PrismoLibrary(const PrismoLibrary&) = delete;
  PrismoLibrary& operator=(const PrismoLibrary&) = delete;
  ~PrismoLibrary() { Unload(); }

  bool loaded() const { return module_ && getInfo && filter2 && cleanup && getPrismo && getPrismoInfo; }
  void Unload() {
    if (module_) FreeLibrary(module_);
    module_ = nullptr;
  }
  PrismoShared& shared() const { return *getPrismo(); }
  PrismoInfo& info() const { return *getPrismoInfo(); }
  volatile int32_t& request() const { return getPrismo()->request; }

  ModuleInfo* (*getInfo)(ModuleInfo*) = nullptr;
  int32_t (*filter2)(FilterBlock*) = nullptr;
  int32_t (*cleanup)() = nullptr;
  PrismoShared* (*getPrismo)() = nullptr;
  PrismoInfo* (*getPrismoInfo)() = nullptr;

 private:
  template <typename F>
  F Proc(const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  }
  HMODULE module_;
};

// A block of the engine: "PCM", the 16-byte header and interleaved samples.
class SoundBlock {
 public:
  SoundBlock(uint16_t channels, uint32_t rate, uint16_t bits, uint32_t sampleFrames)
      : channels_(channels), bits_(bits) {
    PcmHeader h{1, channels, rate, rate * channels * bits / 8u, static_cast<uint16_t>(channels * bits / 8u), bits};
    data_.assign(kPcmHeaderSize + static_cast<size_t>(sampleFrames) * channels * (bits / 8u), 0);
    std::memcpy(data_.data(), &h, sizeof h);
    std::strcpy(block_.formatName, "PCM");
  }
  // Sets sample `channel` of sample frame `j`: 8-bit as a raw byte, 16-bit signed.
  void Set(uint32_t j, uint16_t channel, int value) {
    const size_t at = kPcmHeaderSize + (static_cast<size_t>(j) * channels_ + channel) * (bits_ / 8u);
    if (bits_ == 8) {
      data_[at] = static_cast<uint8_t>(value);
    } else {
      const auto v = static_cast<uint16_t>(static_cast<int16_t>(value));
      data_[at] = static_cast<uint8_t>(v & 0xFF);
      data_[at + 1] = static_cast<uint8_t>(v >> 8);
    }
  }
  void Fill(uint16_t channel, int value) {
    for (uint32_t j = 0; j < SampleFrames(); ++j) Set(j, channel, value);
  }
  uint32_t SampleFrames() const {
    return static_cast<uint32_t>((data_.size() - kPcmHeaderSize) / channels_ / (bits_ / 8u));
  }
  FilterBlock* get() {
    block_.dataSize = static_cast<uint32_t>(data_.size());
    block_.data = data_.data();
    return &block_;
  }
  FilterBlock& raw() { return block_; }
  std::vector<uint8_t>& bytes() { return data_; }

 private:
  uint16_t channels_, bits_;
  std::vector<uint8_t> data_;
  FilterBlock block_{};
};

}  // namespace prismo_test
