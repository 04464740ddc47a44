// The ten bands of the equalizer and how a frequency maps onto them: the
// gain between two band frequencies is linear in the factor (not in
// decibels), and a frequency counts to the nearer band by the midpoint.
#pragma once

#include <array>

#include "host/records.h"

namespace eq {

// Centre frequencies in Hz, lowest band first.
inline constexpr std::array<double, kEqBands> kBandFrequency = {60,   170,  310,  600,   1000,
                                                                3000, 6000, 12000, 14000, 16000};

using BandFactors = std::array<double, kEqBands>;

// Factor of a percentage: 1 + percent / 100, never below 0.
double FactorOf(int32_t percent);

// The band a frequency's energy counts to.
int BandOf(double hz);

// The gain at a frequency, interpolated between the band factors.
double GainAt(double hz, const BandFactors& factors);

}  // namespace eq
