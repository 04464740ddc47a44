#include "player/engine/band.h"

#include <algorithm>

namespace engine {
namespace {

// Roughly one step in eleven carries a transmitter of its own.
constexpr uint32_t kTransmitterSpacing = 11;

}  // namespace

uint32_t ScatterBits(uint32_t x) {
  x ^= x >> 16;
  x *= 0x7feb352dU;
  x ^= x >> 15;
  x *= 0x846ca68bU;
  x ^= x >> 16;
  return x;
}

uint32_t SnapToBand(uint32_t hertz) {
  const uint32_t clamped = std::clamp(hertz, kBandLow, kBandHigh);
  const uint32_t steps = (clamped - kBandLow + kBandStep / 2) / kBandStep;
  return kBandLow + steps * kBandStep;
}

uint32_t StepFrequency(uint32_t hertz, int steps) {
  const int64_t count = (kBandHigh - kBandLow) / kBandStep + 1;
  const int64_t index = (SnapToBand(hertz) - kBandLow) / kBandStep;
  const int64_t moved = ((index + steps) % count + count) % count;
  return kBandLow + static_cast<uint32_t>(moved) * kBandStep;
}

bool IsBroadcast(uint32_t hertz, const std::vector<uint32_t>& stations) {
  // The user's stations are heard wherever they lie; the transmitters of
  // the band only inside it.
  if (std::find(stations.begin(), stations.end(), hertz) != stations.end()) return true;
  if (hertz < kBandLow || hertz > kBandHigh) return false;
  if ((hertz - kBandLow) % kBandStep != 0) return false;
  return ScatterBits(hertz / kBandStep) % kTransmitterSpacing == 0;
}

Reception ReceptionAt(uint32_t hertz, const std::vector<uint32_t>& stations) {
  if (IsBroadcast(hertz, stations)) return Reception::Clear;
  if (IsBroadcast(hertz + kBandStep, stations) || (hertz >= kBandStep && IsBroadcast(hertz - kBandStep, stations)))
    return Reception::Weak;
  return Reception::None;
}

uint32_t BroadcastHeard(uint32_t hertz, const std::vector<uint32_t>& stations) {
  if (IsBroadcast(hertz, stations)) return hertz;
  if (IsBroadcast(hertz + kBandStep, stations)) return hertz + kBandStep;
  if (hertz >= kBandStep && IsBroadcast(hertz - kBandStep, stations)) return hertz - kBandStep;
  return 0;
}

}  // namespace engine
