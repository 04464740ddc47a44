// Filter2 of the equalizer without the platform: the format-name test, the
// format latched by the first accepted block, the checks of every later
// block, then the core. The latch holds until Release().
#pragma once

#include "filters/common/stream_format.h"
#include "filters/equalizer/equalizer_core.h"
#include "host/records.h"

namespace eq {

class EqualizerFilter {
 public:
  // A result code of the audio-filter contract; the block is changed only
  // when the answer is kFilterOk.
  FilterResult Filter(FilterBlock* block, EqualizerShared& shared);
  bool setUp() const { return core_.prepared(); }
  void Release() { core_.Release(); }

 private:
  EqualizerCore core_;
  filters::StreamFormat format_{};
};

}  // namespace eq
