// The four settings from a store that lacks some of them.
#include "filters/analyzer/analyzer_settings.h"

#include <gtest/gtest.h>

#include <string>

#include "host/tests/fake_settings.h"

namespace prismo {
namespace {

using FakeStore = kvtest::FakeSettings;

TEST(AnalyzerSettings, DefaultsForMissingKeysAndSignedWords) {
  FakeStore store;
  const AnalyzerSettings d = ReadAnalyzerSettings(store);
  EXPECT_EQ(d.waveMagnify, 20);
  EXPECT_EQ(d.waveBase, 0);
  EXPECT_EQ(d.spectrumNorm, 500000u);
  EXPECT_EQ(d.spectrumBase, 0);

  store.words = {{"Prismo/MWave", 35}, {"Prismo/BSpec", 0xFFFFFFFEu}, {"Prismo/MSpec", 0xFFFFFFFFu},
                 {"Other/BWave", 9}};
  const AnalyzerSettings s = ReadAnalyzerSettings(store);
  EXPECT_EQ(s.waveMagnify, 35);
  EXPECT_EQ(s.waveBase, 0);  // another section's key does not count
  EXPECT_EQ(s.spectrumNorm, 0xFFFFFFFFu);
  EXPECT_EQ(s.spectrumBase, -2);
}

}  // namespace
}  // namespace prismo
