#include "filters/equalizer/equalizer_filter.h"

namespace eq {

FilterResult EqualizerFilter::Filter(FilterBlock* block, EqualizerShared& shared) {
  if (!filters::IsPcmBlock(block)) return kFilterRefused;
  if (!core_.prepared()) {
    const auto format = filters::LatchFormat(*block);
    if (!format) return kFilterRefused;
    // Nothing is kept on failure; the next block tries again.
    const FilterResult result = core_.Prepare(*format);
    if (result != kFilterOk) return result;
    format_ = *format;
  }
  if (!format_.Matches(*block)) return kFilterRefused;
  core_.Process(block->data + kPcmHeaderSize, shared);
  return kFilterOk;
}

}  // namespace eq
