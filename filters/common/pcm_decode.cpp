#include "filters/common/pcm_decode.h"

namespace filters {

int SampleAt(const StreamFormat& format, const uint8_t* bytes, uint32_t frame, uint32_t channel) {
  const uint32_t index = frame * format.channels + channel;
  return format.bitsPerSample == 8 ? DecodeSample8(bytes[index]) : DecodeSample16(bytes + 2 * index);
}

namespace {
// One loop per layout keeps the per-sample work free of branches.
template <uint32_t Channels, bool Eight, bool WithRight>
void Split(const uint8_t* bytes, uint32_t frames, double* left, double* right) {
  constexpr uint32_t width = Eight ? 1 : 2;
  constexpr uint32_t step = Channels * width;
  for (uint32_t j = 0; j < frames; ++j, bytes += step) {
    if constexpr (Eight) {
      left[j] = DecodeSample8(bytes[0]);
      if constexpr (WithRight) right[j] = DecodeSample8(bytes[1]);
    } else {
      left[j] = DecodeSample16(bytes);
      if constexpr (WithRight) right[j] = DecodeSample16(bytes + 2);
    }
  }
}
}  // namespace

void DecodeFrames(const StreamFormat& format, const uint8_t* bytes, uint32_t frames, double* left,
                  double* right) {
  const bool eight = format.bitsPerSample == 8;
  if (format.channels == 2 && right != nullptr) {
    eight ? Split<2, true, true>(bytes, frames, left, right) : Split<2, false, true>(bytes, frames, left, right);
  } else if (format.channels == 2) {  // the left samples only, stepping over the right
    eight ? Split<2, true, false>(bytes, frames, left, right) : Split<2, false, false>(bytes, frames, left, right);
  } else {
    eight ? Split<1, true, false>(bytes, frames, left, right) : Split<1, false, false>(bytes, frames, left, right);
  }
}

}  // namespace filters
