// The FM band as the simulated tuner sees it: legal frequencies and which
// of them carry a broadcast.
#pragma once

#include <cstdint>
#include <vector>

namespace engine {

inline constexpr uint32_t kBandLow = 87'500'000;
inline constexpr uint32_t kBandHigh = 108'000'000;
inline constexpr uint32_t kBandStep = 50'000;

// Scatters the bits of a number: the same input, the same output, and
// neighbouring inputs far apart. Places transmitters and shapes programmes.
uint32_t ScatterBits(uint32_t x);

// Clamps into the band and rounds to the nearest step.
uint32_t SnapToBand(uint32_t hertz);
// One step up or down, wrapping at the band's ends as a tuner dial does.
uint32_t StepFrequency(uint32_t hertz, int steps);

// Clear: a broadcast exactly tuned. Weak: one step beside a broadcast, heard
// through noise and only in mono. None: noise.
enum class Reception { None, Weak, Clear };

// Broadcasts are the user's stations, wherever they lie, plus a fixed,
// scattered set of in-band transmitters, so that a band without a station
// list still has programmes.
bool IsBroadcast(uint32_t hertz, const std::vector<uint32_t>& stations);
Reception ReceptionAt(uint32_t hertz, const std::vector<uint32_t>& stations);
// The broadcast heard at this frequency: itself when clear, the neighbour
// when weak, 0 for none.
uint32_t BroadcastHeard(uint32_t hertz, const std::vector<uint32_t>& stations);

}  // namespace engine
