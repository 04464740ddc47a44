#include "filters/equalizer/band_table.h"

namespace eq {
namespace {
constexpr int kLast = kEqBands - 1;

// The band c with F[c] < hz <= F[c + 1]; only for F[0] < hz <= F[9].
int LowerBandOf(double hz) {
  int c = 0;
  while (c < kLast - 1 && hz > kBandFrequency[c + 1]) ++c;
  return c;
}
}  // namespace

double FactorOf(int32_t percent) {
  const double factor = 1.0 + percent * 0.01;
  return factor < 0.0 ? 0.0 : factor;
}

int BandOf(double hz) {
  if (hz > kBandFrequency[kLast]) return kLast;
  if (hz <= kBandFrequency[0]) return 0;
  const int c = LowerBandOf(hz);
  const double midpoint = (kBandFrequency[c] + kBandFrequency[c + 1]) / 2;
  return hz >= midpoint ? c + 1 : c;
}

double GainAt(double hz, const BandFactors& g) {
  if (hz > kBandFrequency[kLast]) return g[kLast];
  if (hz <= kBandFrequency[0]) return g[0];
  const int c = LowerBandOf(hz);
  return g[c] + (g[c + 1] - g[c]) * (hz - kBandFrequency[c]) / (kBandFrequency[c + 1] - kBandFrequency[c]);
}

}  // namespace eq
