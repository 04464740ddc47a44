// Tonal10.dll as the engine and the equalizer panel use it: loaded by name,
// blocks handed to Filter2 in one real process while another process writes
// the settings into the shared record and reads the levels back.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "filters/equalizer/tests/reference_equalizer.h"
#include "host/kv_ini.h"
#include "host/records.h"
#include "host/settings.h"
#include "tests/support/wintest.h"

namespace {

constexpr char kDll[] = "Tonal10.dll";
constexpr char kFirstProcessMutex[] = "Equalizer10Mutex";
constexpr char kSection[] = "Tonal10";
constexpr DWORD kWaitMs = 30000;

// The library loaded by name, with its four exports.
class Tonal10 {
 public:
  Tonal10() : module_(LoadLibraryA(kDll)) {
    if (!module_) return;
    getInfo = Find<decltype(getInfo)>("GetInfo");
    filter2 = Find<decltype(filter2)>("Filter2");
    getEqualizer = Find<decltype(getEqualizer)>("GetEqualizer");
    getEqSoundInfo = Find<decltype(getEqSoundInfo)>("GetEqSoundInfo");
  }
  Tonal10(const Tonal10&) = delete;
  Tonal10& operator=(const Tonal10&) = delete;
  ~Tonal10() {
    if (module_) FreeLibrary(module_);
  }
  bool ok() const { return getInfo && filter2 && getEqualizer && getEqSoundInfo; }
  EqualizerShared& record() const { return *getEqualizer(); }

  ModuleInfo* (*getInfo)(ModuleInfo*) = nullptr;
  int32_t (*filter2)(FilterBlock*) = nullptr;
  EqualizerShared* (*getEqualizer)() = nullptr;
  EqSoundInfo* (*getEqSoundInfo)() = nullptr;

 private:
  template <typename Fn>
  Fn Find(const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  }
  HMODULE module_;
};

// A block as the engine hands it over: the PCM header, then the samples.
class Block {
 public:
  Block(uint16_t channels, uint16_t bits, uint32_t rate, const std::vector<uint8_t>& samples,
        const char* formatName = "PCM") {
    PcmHeader h{};
    h.formatTag = 1;
    h.channels = channels;
    h.samplesPerSec = rate;
    h.blockAlign = static_cast<uint16_t>(channels * bits / 8);
    h.avgBytesPerSec = rate * h.blockAlign;
    h.bitsPerSample = bits;
    data_.assign(kPcmHeaderSize + samples.size(), 0);
    std::memcpy(data_.data(), &h, sizeof h);
    std::copy(samples.begin(), samples.end(), data_.begin() + kPcmHeaderSize);
    std::strncpy(block_.formatName, formatName, kFormatNameLength - 1);
    block_.dataSize = static_cast<uint32_t>(data_.size());
    block_.data = data_.data();
  }
  FilterBlock* get() { return &block_; }
  std::vector<uint8_t> samples() const { return {data_.begin() + kPcmHeaderSize, data_.end()}; }

 private:
  FilterBlock block_{};
  std::vector<uint8_t> data_;
};

bool AnotherProcessHasTheLibrary() {
  HANDLE h = OpenMutexA(SYNCHRONIZE, FALSE, kFirstProcessMutex);
  if (!h) return false;
  CloseHandle(h);
  return true;
}

// The same stereo 16-bit noise and tones in every process.
std::vector<uint8_t> TestSamples(int frames, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> noise(-4000, 4000);
  std::vector<uint8_t> b(static_cast<std::size_t>(frames) * 4);
  for (int i = 0; i < frames * 2; ++i) {
    const int v = static_cast<int>(12000 * std::sin(0.03 * i) + 6000 * std::sin(1.7 * i)) + noise(rng);
    b[2 * i] = static_cast<uint8_t>(v & 0xFF);
    b[2 * i + 1] = static_cast<uint8_t>((v >> 8) & 0xFF);
  }
  return b;
}
constexpr int kFrames = 2048;
constexpr unsigned kSeed = 4242;
constexpr uint32_t kRate = 44100;

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// ---- second processes

// Loads the library after the first process; reports whether the record
// still holds what the viewer wrote (args: left amp, right gain 3).
WINTEST_CHILD(LaterProcess) {
  Tonal10 lib;
  if (!lib.ok()) return 10;
  EqualizerShared& rec = lib.record();
  if (rec.left.amp != std::stoi(args.at(0)) || rec.right.gain[3] != std::stoi(args.at(1))) return 1;
  // Set-up in this process must not reload the settings either.
  Block block(2, 16, kRate, TestSamples(64, 1));
  if (lib.filter2(block.get()) != kFilterOk) return 2;
  return rec.left.amp == std::stoi(args.at(0)) ? 0 : 3;
}

// The engine: equalizes one block, tells the viewer, waits until it has
// changed the settings, equalizes the same input again. Each result goes
// to a file (args: event base name, first file, second file).
WINTEST_CHILD(EngineProcess) {
  Tonal10 lib;
  if (!lib.ok()) return 10;
  HANDLE done = OpenEventA(EVENT_MODIFY_STATE, FALSE, (args.at(0) + ".done").c_str());
  HANDLE changed = OpenEventA(SYNCHRONIZE, FALSE, (args.at(0) + ".changed").c_str());
  int rc = 0;
  if (!done || !changed) {
    rc = 11;
  } else {
    Block first(2, 16, kRate, TestSamples(kFrames, kSeed));
    if (lib.filter2(first.get()) != kFilterOk) rc = 1;
    const auto firstOut = first.samples();
    if (!wintest::WriteFileBytes(args.at(1), firstOut.data(), firstOut.size())) rc = 12;
    SetEvent(done);
    if (rc == 0 && WaitForSingleObject(changed, kWaitMs) != WAIT_OBJECT_0) rc = 13;
    Block second(2, 16, kRate, TestSamples(kFrames, kSeed));
    if (rc == 0 && lib.filter2(second.get()) != kFilterOk) rc = 2;
    const auto secondOut = second.samples();
    if (rc == 0 && !wintest::WriteFileBytes(args.at(2), secondOut.data(), secondOut.size())) rc = 14;
  }
  if (done) CloseHandle(done);
  if (changed) CloseHandle(changed);
  return rc;
}

// The equalizer panel's side: reads the levels the engine's copy wrote
// (args: expected left peak, right band 5), then sets new gains.
WINTEST_CHILD(ViewerProcess) {
  Tonal10 lib;
  if (!lib.ok()) return 10;
  const EqSoundInfo& sound = *lib.getEqSoundInfo();
  if (sound.left.peak != std::stoi(args.at(0)) || sound.right.band[5] != std::stoi(args.at(1))) return 1;
  EqualizerShared& rec = lib.record();
  for (int b = 0; b < kEqBands; ++b) {
    rec.left.gain[b] = -100;
    rec.right.gain[b] = 50 * b;
  }
  rec.right.amp = -30;
  return 0;
}

void ExpectMatches(const std::vector<uint8_t>& got, const EqSoundInfo& sound, const eqtest::Reference& ref,
                   const char* what) {
  std::string why;
  EXPECT_TRUE(eqtest::Matches(got, sound, ref, {2, 16, kRate}, &why)) << what << ": " << why;
}

// ---- tests

TEST(Tonal10, ExportsAnswerAsTheEngineAndViewersExpect) {
  Tonal10 lib;
  ASSERT_TRUE(lib.ok());
  ModuleInfo info;
  std::memset(&info, 0xA5, sizeof info);
  EXPECT_EQ(lib.getInfo(&info), &info);
  EXPECT_EQ(info.kind, kModuleAudioFilter);
  EXPECT_STREQ(info.name, "Equalizer-10 4.02");

  EqualizerShared* rec = lib.getEqualizer();
  ASSERT_NE(rec, nullptr);
  EXPECT_EQ(lib.getEqualizer(), rec);
  EXPECT_EQ(reinterpret_cast<int32_t*>(lib.getEqSoundInfo()), reinterpret_cast<int32_t*>(rec) + 24);
}

TEST(Tonal10, RefusesBlocksItCannotTakeAndKeepsItsFirstFormat) {
  wintest::IsolatedSettings settings;
  Tonal10 lib;
  ASSERT_TRUE(lib.ok());
  std::memset(&lib.record(), 0, 24 * sizeof(int32_t));  // no gains, whatever another viewer set
  const auto samples = TestSamples(1024, 1);

  EXPECT_EQ(lib.filter2(nullptr), kFilterRefused);
  Block lower(2, 16, kRate, samples, "pcm");
  EXPECT_EQ(lib.filter2(lower.get()), kFilterRefused);
  EXPECT_EQ(lower.samples(), samples);
  Block three(3, 16, kRate, samples), wide(2, 24, kRate, samples), none(0, 16, kRate, samples);
  EXPECT_EQ(lib.filter2(three.get()), kFilterRefused);
  EXPECT_EQ(lib.filter2(wide.get()), kFilterRefused);
  EXPECT_EQ(lib.filter2(none.get()), kFilterRefused);
  Block headless(2, 16, kRate, {});
  headless.get()->dataSize = 10;
  EXPECT_EQ(lib.filter2(headless.get()), kFilterRefused);
  // Less than one frame: no plan; the next block sets up after all.
  Block crumb(2, 16, kRate, {1, 2, 3});
  EXPECT_EQ(lib.filter2(crumb.get()), kFilterSystemError);

  Block good(2, 16, kRate, samples);
  ASSERT_EQ(lib.filter2(good.get()), kFilterOk);
  const auto out = good.samples();
  for (std::size_t i = 0; i < samples.size(); i += 2) {
    const int in = static_cast<int16_t>(samples[i] | samples[i + 1] << 8);
    const int got = static_cast<int16_t>(out[i] | out[i + 1] << 8);
    ASSERT_LE(std::abs(in - got), 1) << i;
  }

  // Another size or header is refused and left alone, the new size for good.
  auto longer = samples;
  longer.push_back(0);
  Block bigger(2, 16, kRate, longer);
  EXPECT_EQ(lib.filter2(bigger.get()), kFilterRefused);
  EXPECT_EQ(bigger.samples(), longer);
  Block again(2, 16, kRate, longer);
  EXPECT_EQ(lib.filter2(again.get()), kFilterRefused);
  Block otherRate(2, 16, 48000, samples);
  EXPECT_EQ(lib.filter2(otherRate.get()), kFilterRefused);
  EXPECT_EQ(otherRate.samples(), samples);
  Block same(2, 16, kRate, samples);
  EXPECT_EQ(lib.filter2(same.get()), kFilterOk);
}

TEST(Tonal10, UnloadingForgetsTheFormat) {
  for (int round = 0; round < 3; ++round) {
    Tonal10 lib;
    ASSERT_TRUE(lib.ok());
    std::memset(&lib.record(), 0, 24 * sizeof(int32_t));
    // Each load latches whatever comes first.
    const uint16_t bits = round == 1 ? 8 : 16;
    Block block(round == 2 ? 1 : 2, bits, kRate + round, std::vector<uint8_t>(4000 + round * 2, 128));
    EXPECT_EQ(lib.filter2(block.get()), kFilterOk) << round;
  }
}

TEST(Tonal10, TheFirstProcessLoadsTheSettingsAndLaterOnesLeaveTheRecordAlone) {
  if (AnotherProcessHasTheLibrary()) GTEST_SKIP() << "another process holds Tonal10.dll";
  wintest::IsolatedSettings settings;
  KvIniSetDword(kSection, "LDisable", 1);
  KvIniSetDword(kSection, "RDisable", 0);
  KvIniSetDword(kSection, "LAmp", static_cast<uint32_t>(-30));
  KvIniSetDword(kSection, "RAmp", 20);
  for (int b = 0; b < kEqBands; ++b) KvIniSetDword(kSection, ("LFreq" + std::to_string(b)).c_str(), 10 * b);
  KvIniSetDword(kSection, "RFreq3", static_cast<uint32_t>(-100));
  {
    Tonal10 lib;
    ASSERT_TRUE(lib.ok());
    EqualizerShared& rec = lib.record();
    EXPECT_EQ(rec.left.disable, 1);
    EXPECT_EQ(rec.right.disable, 0);
    EXPECT_EQ(rec.left.amp, -30);
    EXPECT_EQ(rec.right.amp, 20);
    for (int b = 0; b < kEqBands; ++b) EXPECT_EQ(rec.left.gain[b], 10 * b) << b;
    EXPECT_EQ(rec.right.gain[3], -100);
    EXPECT_EQ(rec.right.gain[4], 0);

    // A viewer changes the record and the store changes too; a process
    // that loads the library now keeps the viewer's values.
    rec.left.amp = 77;
    rec.right.gain[3] = 5;
    KvIniSetDword(kSection, "LAmp", 10);
    EXPECT_EQ(wintest::RunChild("LaterProcess", {"77", "5"}), 0);
    EXPECT_EQ(rec.left.amp, 77);
    EXPECT_EQ(rec.right.gain[3], 5);
  }
  // Unloaded everywhere: the marker is gone and the plug-in wrote no settings.
  EXPECT_FALSE(AnotherProcessHasTheLibrary());
  EXPECT_EQ(kv::ReadDword(kSection, "LAmp"), 10u);
  EXPECT_FALSE(kv::ReadDword(kSection, "RFreq5").has_value());
  EXPECT_FALSE(kv::ReadDword(kSection, "RFreq3").value_or(0) == 5u);

  // The next first process starts again from zeros and the store.
  Tonal10 lib;
  ASSERT_TRUE(lib.ok());
  EXPECT_EQ(lib.record().left.amp, 10);
  EXPECT_EQ(lib.record().right.gain[3], -100);
  EXPECT_EQ(lib.record().sound.left.peak, 0);
}

TEST(Tonal10, SettingsMissedAtLoadAreLoadedByTheFirstPcmBlockOnly) {
  if (AnotherProcessHasTheLibrary()) GTEST_SKIP() << "another process holds Tonal10.dll";
  wintest::IsolatedSettings settings;
  KvIniSetDword(kSection, "LAmp", 33);
  KvIniSetDword(kSection, "RFreq7", static_cast<uint32_t>(-40));
  // An event under the marker's name: the library cannot make its mutex at load.
  HANDLE squatter = CreateEventA(nullptr, TRUE, FALSE, kFirstProcessMutex);
  ASSERT_NE(squatter, nullptr);
  Tonal10 lib;
  CloseHandle(squatter);
  ASSERT_TRUE(lib.ok());
  EqualizerShared& rec = lib.record();
  EXPECT_EQ(rec.left.amp, 0);

  // A refused block never reaches set-up, so it loads nothing.
  Block wrongName(2, 16, kRate, TestSamples(64, 1), "pcm");
  EXPECT_EQ(lib.filter2(wrongName.get()), kFilterRefused);
  EXPECT_EQ(rec.left.amp, 0);
  EXPECT_EQ(rec.right.gain[7], 0);
  EXPECT_FALSE(AnotherProcessHasTheLibrary());

  Block block(2, 16, kRate, TestSamples(64, 1));
  EXPECT_EQ(lib.filter2(block.get()), kFilterOk);
  EXPECT_EQ(rec.left.amp, 33);
  EXPECT_EQ(rec.right.gain[7], -40);
  EXPECT_TRUE(AnotherProcessHasTheLibrary());
}

TEST(Tonal10, AnEngineProcessEqualizesWithWhatAViewerWrites) {
  wintest::IsolatedSettings settings;
  Tonal10 lib;
  ASSERT_TRUE(lib.ok());
  EqualizerShared& rec = lib.record();
  EqualizerShared first{};
  first.left.amp = 40;
  for (int b = 0; b < kEqBands; ++b) {
    first.left.gain[b] = 30 * b - 100;
    first.right.gain[b] = 200 - 25 * b;
  }
  first.right.gain[6] = -150;
  EqualizerShared second = first;
  second.left.disable = 1;
  second.right.amp = -60;
  second.right.gain[0] = 400;
  std::memcpy(&rec, &first, 24 * sizeof(int32_t));

  const std::string base = "Tonal10Test." + std::to_string(GetCurrentProcessId());
  HANDLE done = CreateEventA(nullptr, FALSE, FALSE, (base + ".done").c_str());
  HANDLE changed = CreateEventA(nullptr, FALSE, FALSE, (base + ".changed").c_str());
  ASSERT_TRUE(done && changed);
  const std::string out1 = wintest::TempFolder() + "first.raw", out2 = wintest::TempFolder() + "second.raw";

  wintest::ChildProcess engine("EngineProcess", {base, out1, out2});
  ASSERT_TRUE(engine.started());
  ASSERT_EQ(WaitForSingleObject(done, kWaitMs), WAIT_OBJECT_0);
  const EqSoundInfo afterFirst = *lib.getEqSoundInfo();
  std::memcpy(&rec, &second, 24 * sizeof(int32_t));
  SetEvent(changed);
  EXPECT_EQ(engine.Wait(), 0);
  CloseHandle(done);
  CloseHandle(changed);

  const auto input = TestSamples(kFrames, kSeed);
  const eqtest::Format format{2, 16, kRate};
  ExpectMatches(ReadFileBytes(out1), afterFirst, eqtest::ReferenceEqualize(input, format, first), "first block");
  ExpectMatches(ReadFileBytes(out2), rec.sound, eqtest::ReferenceEqualize(input, format, second), "second block");
  EXPECT_GT(rec.sound.right.peak, 0);
}

TEST(Tonal10, AViewerProcessReadsTheLevelsAndItsGainsApplyFromTheNextBlock) {
  wintest::IsolatedSettings settings;
  Tonal10 lib;
  ASSERT_TRUE(lib.ok());
  EqualizerShared& rec = lib.record();
  std::memset(&rec, 0, sizeof rec);
  const auto input = TestSamples(kFrames, kSeed);
  const eqtest::Format format{2, 16, kRate};

  Block first(2, 16, kRate, input);
  ASSERT_EQ(lib.filter2(first.get()), kFilterOk);
  EXPECT_GT(rec.sound.left.peak, 0);
  EXPECT_EQ(wintest::RunChild("ViewerProcess", {std::to_string(rec.sound.left.peak),
                                                std::to_string(rec.sound.right.band[5])}),
            0);

  EqualizerShared viewer{};
  std::memcpy(&viewer, &rec, 24 * sizeof(int32_t));
  EXPECT_EQ(viewer.left.gain[3], -100);
  EXPECT_EQ(viewer.right.amp, -30);
  Block second(2, 16, kRate, input);
  ASSERT_EQ(lib.filter2(second.get()), kFilterOk);
  ExpectMatches(second.samples(), rec.sound, eqtest::ReferenceEqualize(input, format, viewer), "after the viewer");
  // Every left gain at -100 leaves the left channel its DC part alone.
  for (int b = 0; b < kEqBands; ++b) EXPECT_EQ(rec.sound.left.band[b], 0) << b;
}

}  // namespace
