// The band table: the midpoint decides the band, the gain is linear in the
// factor between band frequencies, factors never go below zero.
#include <gtest/gtest.h>

#include "filters/equalizer/band_table.h"

namespace {

TEST(BandTable, MidpointsDecideTheBand) {
  struct Case {
    double hz;
    int band;
  } cases[] = {{0, 0},         {60, 0},     {114.999, 0}, {115, 1},   {239.9, 1},   {240, 2},
               {454.9, 2},     {455, 3},    {799.9, 3},   {800, 4},   {1999.9, 4},  {2000, 5},
               {4499.9, 5},    {4500, 6},   {8999.9, 6},  {9000, 7},  {12999.9, 7}, {13000, 8},
               {14999.9, 8},   {15000, 9},  {16000, 9},   {16000.1, 9}, {22050, 9}};
  for (const Case& c : cases) EXPECT_EQ(eq::BandOf(c.hz), c.band) << c.hz << " Hz";
}

TEST(BandTable, GainIsLinearInTheFactorBetweenBands) {
  eq::BandFactors g{};
  g.fill(1.0);
  g[4] = 0.0;  // 1000 Hz removed
  EXPECT_DOUBLE_EQ(eq::GainAt(600, g), 1.0);
  EXPECT_DOUBLE_EQ(eq::GainAt(800, g), 0.5);
  EXPECT_DOUBLE_EQ(eq::GainAt(1000, g), 0.0);
  EXPECT_DOUBLE_EQ(eq::GainAt(2000, g), 0.5);
  EXPECT_DOUBLE_EQ(eq::GainAt(3000, g), 1.0);

  for (int b = 0; b < kEqBands; ++b) g[b] = b + 1;
  EXPECT_DOUBLE_EQ(eq::GainAt(10, g), 1.0);      // below the first band: its factor
  EXPECT_DOUBLE_EQ(eq::GainAt(20000, g), 10.0);  // above the last band: its factor
  EXPECT_DOUBLE_EQ(eq::GainAt(15000, g), 9.5);
  for (int b = 0; b < kEqBands; ++b) EXPECT_DOUBLE_EQ(eq::GainAt(eq::kBandFrequency[b], g), b + 1.0);
}

TEST(BandTable, FactorsNeverGoBelowZero) {
  EXPECT_DOUBLE_EQ(eq::FactorOf(0), 1.0);
  EXPECT_DOUBLE_EQ(eq::FactorOf(400), 5.0);
  EXPECT_DOUBLE_EQ(eq::FactorOf(-50), 0.5);
  EXPECT_DOUBLE_EQ(eq::FactorOf(-100), 0.0);
  EXPECT_DOUBLE_EQ(eq::FactorOf(-250), 0.0);
  EXPECT_DOUBLE_EQ(eq::FactorOf(INT32_MIN), 0.0);
  EXPECT_GT(eq::FactorOf(INT32_MAX), 2e7);
}

}  // namespace
