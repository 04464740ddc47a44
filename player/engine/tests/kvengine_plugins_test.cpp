// The real plug-ins inside a running engine, seen from a viewer process as
// the graphic module sees them: the analyzer's rows, the equalizer's level
// statistics, and equalizer gains heard in the recorded sound.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

#include "host/engine_messages.h"
#include "host/kv_api.h"
#include "host/kv_ini.h"
#include "host/records.h"
#include "player/engine/tests/engine_client.h"
#include "player/engine/tests/test_stations.h"
#include "player/engine/wav_file.h"
#include "tests/support/wait.h"
#include "tests/support/wintest.h"

namespace {

using namespace engine;
using enginetest::EngineProcess;
using wintest::PumpUntil;

class Viewer {
 public:
  explicit Viewer(const char* dll) : module_(LoadLibraryA((wintest::InstallFolder() + dll).c_str())) {}
  ~Viewer() {
    if (module_) FreeLibrary(module_);
  }
  Viewer(const Viewer&) = delete;
  Viewer& operator=(const Viewer&) = delete;
  template <typename T>
  T* Record(const char* exportName) const {
    using Fn = T*(KV_CALL*)();
    const auto fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module_, exportName)));
    return fn ? fn() : nullptr;
  }

 private:
  HMODULE module_;
};

class KvEnginePlugins : public testing::Test {
 protected:
  void SetUp() override {
    enginetest::StoreStations(enginetest::FourStations());
    enginetest::StoreFilters({"Prismo.dll", "Tonal10.dll"});
    KvIniSetDword("KvEngine", "Frequency", 101'700'000);
  }
  wintest::IsolatedSettings settings_;
};

std::vector<uint8_t> Rows(const PrismoShared* p) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(&p->info);
  return {bytes, bytes + sizeof p->info};
}

const std::vector<uint8_t> kBlankRows(sizeof(PrismoInfo), 0);

TEST_F(KvEnginePlugins, TheAnalyzersRowsMoveWhileAViewerAsks) {
  Viewer prismo("Prismo.dll");
  auto* shared = prismo.Record<PrismoShared>("GetPrismo");
  ASSERT_NE(shared, nullptr);
  EngineProcess engine;
  ASSERT_TRUE(engine.window());
  shared->request = 1;
  ASSERT_TRUE(PumpUntil([&] { return Rows(shared) != kBlankRows; }, 10000));
  std::vector<uint8_t> before = Rows(shared);
  EXPECT_TRUE(PumpUntil([&] { return Rows(shared) != before; })) << "the rows follow the sound";

  // Advanced functions off: the engine stops using the analyzer, which blanks
  // its rows as it is released.
  engine.Send(kSetAdvanced, 0);
  EXPECT_TRUE(PumpUntil([&] { return Rows(shared) == kBlankRows; }));
  engine.Send(kSetAdvanced, 1);
  EXPECT_TRUE(PumpUntil([&] { return Rows(shared) != kBlankRows; })) << "and it starts again";
  shared->request = 0;
}

TEST_F(KvEnginePlugins, AChangedFilterListIsLoadedWhileRunning) {
  enginetest::StoreFilters({"Tonal10.dll"});
  Viewer prismo("Prismo.dll");
  Viewer tonal("Tonal10.dll");
  auto* shared = prismo.Record<PrismoShared>("GetPrismo");
  auto* levels = tonal.Record<EqSoundInfo>("GetEqSoundInfo");
  ASSERT_NE(shared, nullptr);
  ASSERT_NE(levels, nullptr);
  std::memset(&shared->info, 0, sizeof shared->info);
  std::memset(levels, 0, sizeof *levels);
  shared->request = 1;
  EngineProcess engine;
  ASSERT_TRUE(engine.window());
  enginetest::RecordingWindow module;
  engine.Send(kRegisterWindow, reinterpret_cast<WPARAM>(module.hwnd()), 1);
  // The equalizer's moving levels show blocks going through the list's filters.
  ASSERT_TRUE(PumpUntil([&] { return levels->left.peak > 0; }, 10000));
  const int32_t first = levels->left.average;
  ASSERT_TRUE(PumpUntil([&] { return levels->left.average != first; }));
  EXPECT_EQ(Rows(shared), kBlankRows) << "no analyzer in the list";

  enginetest::StoreFilters({"Prismo.dll", "NoSuchFilter.dll", "KvIni.dll"});
  EXPECT_TRUE(PumpUntil([&] { return module.Got(kSettingsChanged, 0); }));
  EXPECT_TRUE(PumpUntil([&] { return Rows(shared) != kBlankRows; }, 10000))
      << "the analyzer joins; files that are no filters are left out";
  EXPECT_EQ(engine.Send(kGetFrequency), 101'700'000);
  shared->request = 0;
}

double Rms(const std::vector<int16_t>& samples) {
  double sum = 0;
  for (int16_t s : samples) sum += static_cast<double>(s) * s;
  return samples.empty() ? 0 : std::sqrt(sum / static_cast<double>(samples.size()));
}

// Records about a second and returns its samples.
std::vector<int16_t> RecordASecond(const EngineProcess& engine, const std::string& path) {
  KvIniSetString("KvSave", "FileName", path.c_str());
  if (engine.Send(kSetRecording, 1) != 1) return {};
  PumpUntil([&] { return engine.Send(kGetRecordDuration) >= 1; });
  engine.Send(kSetRecording, 0);
  std::ifstream in(path, std::ios::binary);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  WavAudio audio;
  ParseWav(bytes.data(), bytes.size(), audio);
  return audio.samples;
}

TEST_F(KvEnginePlugins, TheEqualizersStatisticsAndGainsActOnTheSound) {
  Viewer tonal("Tonal10.dll");
  auto* eq = tonal.Record<EqualizerShared>("GetEqualizer");
  auto* levels = tonal.Record<EqSoundInfo>("GetEqSoundInfo");
  ASSERT_NE(eq, nullptr);
  ASSERT_EQ(levels, &eq->sound);
  EngineProcess engine;
  ASSERT_TRUE(engine.window());
  ASSERT_TRUE(PumpUntil([&] { return levels->left.peak > 0 && levels->right.peak > 0; }, 10000));
  const int32_t first = levels->left.average;
  EXPECT_TRUE(PumpUntil([&] { return levels->left.average != first; }));

  // The levels are measured from what the equalizer gives out.
  const auto peak = [&] { return std::max(levels->left.peak, levels->right.peak); };
  const int32_t loud = peak();

  // The viewer sets gains straight into the shared record, as the panel does.
  for (EqChannelSettings* ch : {&eq->left, &eq->right}) {
    ch->disable = 0;
    ch->amp = 0;
    for (int32_t& g : ch->gain) g = -100;
  }
  ASSERT_TRUE(PumpUntil([&] { return peak() < loud / 4; })) << "the gains are taken";
  const auto quiet = RecordASecond(engine, wintest::TempFolder() + "quiet.wav");
  for (EqChannelSettings* ch : {&eq->left, &eq->right}) ch->disable = 1;
  ASSERT_TRUE(PumpUntil([&] { return peak() >= loud / 4; })) << "the equalizer is passed by";
  const auto plain = RecordASecond(engine, wintest::TempFolder() + "plain.wav");
  ASSERT_FALSE(quiet.empty());
  ASSERT_FALSE(plain.empty());
  EXPECT_GT(Rms(plain), 1000);
  EXPECT_LT(Rms(quiet), Rms(plain) / 4) << "every band cut: the recording is all but silent";
}

}  // namespace
