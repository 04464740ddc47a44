// The equalizer's block processing: one forward real transform of the whole
// block per channel, a gain per frequency bin, one backward transform,
// scaling by 1/n and conversion back to samples, with level statistics.
// Prepare allocates and plans once; Process allocates nothing.
#pragma once

#include <fftw3.h>

#include <array>
#include <cstdint>

#include "filters/common/stream_format.h"
#include "filters/equalizer/band_table.h"
#include "filters/common/fftw_owner.h"
#include "host/records.h"

namespace eq {

class EqualizerCore {
 public:
  EqualizerCore() = default;
  EqualizerCore(const EqualizerCore&) = delete;
  EqualizerCore& operator=(const EqualizerCore&) = delete;
  ~EqualizerCore() { Release(); }

  // Buffers and plans for blocks of the latched format. kFilterRefused for a
  // format it cannot process, kFilterNoMemory when a buffer cannot be had,
  // kFilterSystemError when no plan can be made (less than one frame). On
  // failure nothing is kept.
  FilterResult Prepare(const filters::StreamFormat& format);
  void Release();
  bool prepared() const { return frames_ != 0; }
  uint32_t frames() const { return frames_; }

  // Equalizes one block of the prepared size in place. Reads each settings
  // word of shared once: the bypass flags and amplifications at the start,
  // a channel's band gains just before they are applied; writes the levels
  // (words 24..49) at the end. Other processes may touch both at any time.
  void Process(uint8_t* samples, EqualizerShared& shared);

 private:
  struct Channel {
    filters::FftwArray<double> time;
    filters::FftwArray<fftw_complex> spectrum;  // bins 0 .. n/2
    filters::FftwArray<double> gain;            // per bin, from the band factors below
    filters::FftwArray<int32_t> whole;          // the output samples as whole numbers
    std::array<int32_t, kEqBands> gainPercent{};
    bool gainValid = false;
  };

  template <int Bits>
  void ProcessChannel(Channel& ch, int index, const uint8_t* samples, EqChannelSettings& settings,
                      EqChannelSettings& live, EqChannelLevels& levels);
  void StoreSamples(uint8_t* samples, const bool bypass[2]) const;
  void UpdateGains(Channel& ch, const EqChannelSettings& settings);
  void ShapeSpectrum(Channel& ch, bool bypass, std::array<double, kEqBands>& energy) const;

  filters::StreamFormat format_{};
  uint32_t frames_ = 0;
  double spacing_ = 0;  // Hz between bins
  double scale_ = 0;    // 1/n
  // Bins of band b are [bandBegin_[b], bandBegin_[b + 1]); bin 0 is in none.
  std::array<uint32_t, kEqBands + 1> bandBegin_{};
  std::array<Channel, 2> channel_;
  filters::FftwPlan forward_;
  filters::FftwPlan backward_;
};

}  // namespace eq
