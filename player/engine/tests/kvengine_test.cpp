// KvEngine.exe driven from another process, as a graphic module drives it:
// queries, commands and the notifications that follow to two registered
// windows, station records in this process's memory, recordings, and the
// engine's survival of bad callers.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>

#include "host/engine_messages.h"
#include "host/kv_ini.h"
#include "player/engine/band.h"
#include "player/engine/module_windows_win.h"
#include "player/engine/tests/engine_client.h"
#include "player/engine/tests/test_stations.h"
#include "player/engine/wav_file.h"
#include "tests/support/wait.h"
#include "tests/support/wintest.h"

namespace {

using namespace engine;
using enginetest::EngineProcess;
using enginetest::RecordingWindow;
using wintest::PumpUntil;

const DWORD kPid = GetCurrentProcessId();

// Both windows must see the notification with this value.
::testing::AssertionResult BothGot(RecordingWindow& a, RecordingWindow& b, UINT msg, WPARAM value) {
  if (PumpUntil([&] { return a.Got(msg, value) && b.Got(msg, value); }))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << std::hex << "notification 0x" << msg << " with " << std::dec << value
                                       << " missing; first window's last: " << a.Last(msg);
}

class KvEngine : public testing::Test {
 protected:
  void SetUp() override {
    enginetest::StoreStations(enginetest::FourStations());
    KvIniSetDword("KvEngine", "Frequency", 95'000'000);
  }
  LPARAM At(StationInfo& info) { return reinterpret_cast<LPARAM>(&info); }

  wintest::IsolatedSettings settings_;
};

TEST_F(KvEngine, QueriesCommandsAndNotificationsReachEveryRegisteredWindow) {
  EngineProcess engine;
  ASSERT_TRUE(engine.window());
  RecordingWindow a, b;
  ASSERT_EQ(engine.Send(kRegisterWindow, reinterpret_cast<WPARAM>(a.hwnd()), 1), 1);
  ASSERT_EQ(engine.Send(kRegisterWindow, reinterpret_cast<WPARAM>(b.hwnd()), 1), 1);

  EXPECT_EQ(engine.Send(kGetFrequency), 95'000'000);
  EXPECT_EQ(engine.Send(kGetStereo), 1) << "a station of the list is received in stereo";
  EXPECT_EQ(engine.Send(kGetStereoButton), 1);

  engine.Post(kTune, 101'700'000);
  EXPECT_TRUE(BothGot(a, b, kNotifyFrequency, 101'700'000));
  EXPECT_EQ(engine.Send(kGetFrequency), 101'700'000);
  engine.Post(kForceStereo, 0);
  EXPECT_TRUE(BothGot(a, b, kNotifyStereo, 0));
  EXPECT_TRUE(BothGot(a, b, kNotifyStereoButton, 0));
  EXPECT_EQ(engine.Send(kGetStereoButton), 0);
  EXPECT_EQ(engine.Send(kGetStereo), 0);
  engine.Post(kForceStereo, 1);
  EXPECT_TRUE(BothGot(a, b, kNotifyStereo, 1));

  engine.Post(kSetFmMute, 1);
  EXPECT_TRUE(BothGot(a, b, kNotifyFmMute, 1));
  EXPECT_EQ(engine.Send(kGetFmMute), 1);
  engine.Post(kSetFmVolume, 42);
  EXPECT_TRUE(BothGot(a, b, kNotifyFmVolume, 42));
  EXPECT_EQ(engine.Send(kGetFmVolume), 42);

  for (uint32_t l = 0; l < kLineCount; ++l) {
    const Line line = static_cast<Line>(l);
    engine.Post(SetMute(line), 1);
    EXPECT_TRUE(BothGot(a, b, NotifyMute(line), 1)) << l;
    EXPECT_EQ(engine.Send(GetMute(line)), 1);
    const uint32_t v = 20 + l;
    engine.Post(SetVolume(line), v | v << 16);
    EXPECT_TRUE(BothGot(a, b, NotifyVolume(line), v)) << l;
    EXPECT_EQ(engine.Send(GetVolume(line)), static_cast<LRESULT>(v | v << 16));
    engine.Post(SetMute(line), 0);
    EXPECT_TRUE(BothGot(a, b, NotifyMute(line), 0)) << l;
  }

  engine.Post(kSetAdvanced, 0);
  EXPECT_TRUE(BothGot(a, b, kNotifyAdvanced, 0));
  EXPECT_EQ(engine.Send(kGetAdvanced), 0);
  engine.Post(kSetAdvanced, 1);
  EXPECT_TRUE(BothGot(a, b, kNotifyAdvanced, 1));

  const LRESULT longest = engine.Send(kGetTimeShiftMax);
  EXPECT_GE(longest, 10);
  engine.Post(kSetTimeShift, 5);
  EXPECT_TRUE(BothGot(a, b, kNotifyTimeShift, 5));
  EXPECT_EQ(engine.Send(kGetTimeShift), 5);
  engine.Post(kSetTimeShift, 100000);
  EXPECT_TRUE(BothGot(a, b, kNotifyTimeShift, static_cast<WPARAM>(longest)));
  engine.Post(kSetTimeShift, 2);
  EXPECT_TRUE(BothGot(a, b, kNotifyTimeShift, 2));
  engine.Post(kSetFreeze, 1);
  EXPECT_TRUE(BothGot(a, b, kNotifyFreeze, 1));
  EXPECT_EQ(engine.Send(kGetFreeze), 1);
  EXPECT_TRUE(BothGot(a, b, kNotifyTimeShiftBuffer, 2));
  // Frozen, the kept two seconds play out and live sound follows.
  EXPECT_TRUE(BothGot(a, b, kNotifyTimeShift, 0));
  EXPECT_EQ(engine.Send(kGetTimeShift), 0);
  engine.Post(kSetFreeze, 0);
  EXPECT_TRUE(BothGot(a, b, kNotifyFreeze, 0));

  // Station navigation in stored order, and fine tuning by the keys.
  engine.Post(kNextStation);
  EXPECT_TRUE(BothGot(a, b, kNotifyFrequency, 89'300'000));
  engine.Post(kPreviousStation);
  EXPECT_TRUE(PumpUntil([&] { return engine.Send(kGetFrequency) == 101'700'000; }));
  engine.Post(kSelectPreset, 2);
  EXPECT_TRUE(BothGot(a, b, kNotifyFrequency, 104'550'000));
  engine.Post(kKeyShiftBackspace);
  EXPECT_TRUE(BothGot(a, b, kNotifyFrequency, 104'600'000));
  engine.Post(kKeyBackspace);
  engine.Post(kKeyBackspace);
  EXPECT_TRUE(BothGot(a, b, kNotifyFrequency, 104'500'000));

  // A change made by another process reaches the registered windows too.
  ASSERT_EQ(wintest::RunChild("TuneFromElsewhere", {std::to_string(reinterpret_cast<uintptr_t>(engine.window()))}), 0);
  EXPECT_TRUE(BothGot(a, b, kNotifyFrequency, 106'000'000));

  // Unregistered, a window hears nothing more; the other still does.
  ASSERT_EQ(engine.Send(kRegisterWindow, reinterpret_cast<WPARAM>(b.hwnd()), 0), 1);
  b.received().clear();
  // Answered, the engine has posted every notification of the change.
  ASSERT_EQ(engine.Send(kTune, 99'000'000), 1);
  EXPECT_TRUE(PumpUntil([&] { return a.Got(kNotifyFrequency, 99'000'000); }));
  EXPECT_EQ(b.Last(kNotifyFrequency), -1);

  // The equalizer's message goes round to every module.
  const UINT equalizer = RegisterWindowMessageA(kEqualizerSettingsName);
  engine.Post(equalizer);
  EXPECT_TRUE(PumpUntil([&] { return a.Last(equalizer) >= 0; }));

  EXPECT_EQ(engine.Exit(), 0);
  EXPECT_TRUE(a.Got(kCloseModule, 0)) << "an exiting engine closes the modules";
}

TEST_F(KvEngine, StationRecordsAreWrittenIntoTheCallersMemory) {
  EngineProcess engine;
  ASSERT_TRUE(engine.window());
  StationInfo info{};
  info.frequency = 104'550'000;
  ASSERT_EQ(engine.Send(kStationByFrequency, kPid, At(info)), 1);
  EXPECT_STREQ(info.name, "Gamma");
  EXPECT_EQ(info.number, 3u);
  EXPECT_EQ(info.flags, 7u);

  StationInfo none{};
  std::memset(none.name, 'x', sizeof none.name);
  none.frequency = 99'900'000;
  ASSERT_EQ(engine.Send(kStationByFrequency, kPid, At(none)), 1);
  EXPECT_STREQ(none.name, "");
  EXPECT_EQ(none.frequency, 99'900'000u);

  StationInfo preset{};
  preset.number = 1;
  ASSERT_EQ(engine.Send(kStationByPreset, kPid, At(preset)), 1);
  EXPECT_STREQ(preset.name, "Alpha");
  preset.number = 3;
  EXPECT_EQ(engine.Send(kStationByPreset, kPid, At(preset)), 0);

  StationInfo step{};
  ASSERT_EQ(engine.Send(kNextStationInfo, kPid, At(step)), 1);
  EXPECT_STREQ(step.name, "Alpha") << "the station after Delta wraps to the first";
  ASSERT_EQ(engine.Send(kPreviousStationInfo, kPid, At(step)), 1);
  EXPECT_STREQ(step.name, "Gamma");

  char path[260] = {};
  ASSERT_EQ(engine.Send(kGetRecordPath, kPid, reinterpret_cast<LPARAM>(path)), 1);
  EXPECT_NE(std::string(path).find(".wav"), std::string::npos) << path;
}

TEST_F(KvEngine, BadAddressesAndDeadCallersAreSurvived) {
  EngineProcess engine;
  ASSERT_TRUE(engine.window());
  EXPECT_EQ(engine.Send(kStationByFrequency, kPid, 0x10), 0);
  EXPECT_EQ(engine.Send(kNextStationInfo, kPid, 0), 0);
  void* readOnly = VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READONLY);
  ASSERT_NE(readOnly, nullptr);
  EXPECT_EQ(engine.Send(kNextStationInfo, kPid, reinterpret_cast<LPARAM>(readOnly)), 0);
  EXPECT_EQ(engine.Send(kStationByFrequency, kPid, reinterpret_cast<LPARAM>(readOnly)), 0)
      << "readable but not writable";
  VirtualFree(readOnly, 0, MEM_RELEASE);
  // A record that runs off the end of what is mapped.
  auto* page = static_cast<uint8_t*>(VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  EXPECT_EQ(engine.Send(kNextStationInfo, kPid, reinterpret_cast<LPARAM>(page + 4096 - 100)), 0);
  VirtualFree(page, 0, MEM_RELEASE);
  EXPECT_EQ(engine.Send(kNextStationInfo, 0, 0x10000), 0) << "no such process";

  // A client that registers a window and ends without unregistering.
  ASSERT_EQ(wintest::RunChild("RegisterAndVanish", {std::to_string(reinterpret_cast<uintptr_t>(engine.window()))}), 0);
  RecordingWindow a;
  ASSERT_EQ(engine.Send(kRegisterWindow, reinterpret_cast<WPARAM>(a.hwnd()), 1), 1);
  engine.Post(kTune, 90'000'000);
  EXPECT_TRUE(PumpUntil([&] { return a.Got(kNotifyFrequency, 90'000'000); }));
  EXPECT_TRUE(engine.running());
  EXPECT_EQ(engine.Send(kGetFrequency), 90'000'000);
  EXPECT_EQ(engine.Send(kRegisterWindow, 0x12345, 1), 0) << "not a window";
}

// A request posted instead of sent may be handled when its record is gone:
// it is refused, and nothing is written into the caller.
TEST_F(KvEngine, PostedRecordRequestsWriteNothing) {
  EngineProcess engine;
  ASSERT_TRUE(engine.window());
  const UINT requests[] = {kStationByFrequency, kStationByPreset, kNextStationInfo, kPreviousStationInfo,
                           kGetRecordPath};
  StationInfo untouched;
  std::memset(&untouched, 0x5A, sizeof untouched);
  untouched.frequency = 104'550'000;
  untouched.number = 1;
  std::vector<StationInfo> records(std::size(requests), untouched);  // each also holds a 260-byte path
  for (size_t i = 0; i < records.size(); ++i) engine.Post(requests[i], kPid, At(records[i]));
  // Posted messages are handled in order: once the tune is heard, so were they.
  engine.Post(kTune, 90'000'000);
  ASSERT_TRUE(PumpUntil([&] { return engine.Send(kGetFrequency) == 90'000'000; }));
  for (size_t i = 0; i < records.size(); ++i)
    EXPECT_EQ(std::memcmp(&records[i], &untouched, sizeof untouched), 0) << std::hex << "0x" << requests[i];
}

bool queueFull = false;

// Wine's queues never fill up, so a full one is stood in for.
BOOL WINAPI PostUnlessFull(HWND w, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (queueFull) {
    SetLastError(ERROR_NOT_ENOUGH_QUOTA);
    return FALSE;
  }
  return PostMessageA(w, msg, wParam, lParam);
}

// A notification that cannot be posted drops a window only when it is gone;
// one with a full queue stays registered and gets the next notification.
TEST(ModuleWindows, AFailedPostDropsOnlyAWindowThatIsGone) {
  const struct {
    bool destroyed;
    bool full;
    bool kept;
  } cases[] = {{false, false, true}, {false, true, true}, {true, false, false}, {true, true, false}};
  for (const auto& c : cases) {
    auto window = std::make_unique<RecordingWindow>();
    ModuleWindows modules(PostUnlessFull);
    ASSERT_TRUE(modules.Register(window->hwnd()));
    if (c.destroyed) window.reset();
    queueFull = c.full;
    modules.Post(kNotifyFrequency, 1);
    queueFull = false;
    EXPECT_EQ(modules.size(), c.kept ? 1u : 0u) << "destroyed " << c.destroyed << ", full " << c.full;
    if (!c.kept) continue;
    modules.Post(kNotifyFrequency, 2);
    EXPECT_TRUE(PumpUntil([&] { return window->Got(kNotifyFrequency, 2); })) << "full " << c.full;
  }
}

WINTEST_CHILD(TuneFromElsewhere) {
  const HWND engineWindow = reinterpret_cast<HWND>(std::stoul(args.at(0)));
  return SendMessageA(engineWindow, kTune, 106'000'000, 0) == 1 ? 0 : 1;
}

WINTEST_CHILD(RegisterAndVanish) {
  const HWND engineWindow = reinterpret_cast<HWND>(std::stoul(args.at(0)));
  RecordingWindow w;
  if (SendMessageA(engineWindow, kRegisterWindow, reinterpret_cast<WPARAM>(w.hwnd()), 1) != 1) return 1;
  PostMessageA(engineWindow, kTune, 88'000'000, 0);
  CHILD_CHECK(PumpUntil([&] { return w.Got(kNotifyFrequency, 88'000'000); }));
  ExitProcess(0);  // no unregistering, no window destruction
}

std::vector<uint8_t> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(KvEngine, RecordingWritesAWavFileOfTheReportedLength) {
  const std::string folder = wintest::TempFolder() + "rec\\deeper\\";
  KvIniSetString("KvSave", "FileName", (folder + "Take <year>-<mon>-<dd> <hh>-<ii>-<ss>.mp3").c_str());
  EngineProcess engine;
  ASSERT_TRUE(engine.window());
  RecordingWindow a;
  engine.Send(kRegisterWindow, reinterpret_cast<WPARAM>(a.hwnd()), 1);

  ASSERT_EQ(engine.Send(kSetRecording, 1), 1);
  EXPECT_TRUE(PumpUntil([&] { return a.Got(kNotifyRecording, 1); }));
  EXPECT_EQ(engine.Send(kGetRecording), 1);
  ASSERT_TRUE(PumpUntil([&] { return engine.Send(kGetRecordDuration) >= 2; }, 10000));
  char path[260] = {};
  ASSERT_EQ(engine.Send(kGetRecordPath, kPid, reinterpret_cast<LPARAM>(path)), 1);
  ASSERT_EQ(engine.Send(kSetRecording, 0), 1);
  const LRESULT afterStop = engine.Send(kGetRecordDuration);
  EXPECT_TRUE(PumpUntil([&] { return a.Got(kNotifyRecording, 0); }));

  const std::string name(path);
  EXPECT_EQ(name.rfind(folder + "Take ", 0), 0u) << name;
  EXPECT_EQ(name.substr(name.size() - 4), ".wav") << "the engine writes WAV whatever the template says";
  const std::vector<uint8_t> bytes = ReadAll(name);
  WavAudio audio;
  ASSERT_EQ(ParseWav(bytes.data(), bytes.size(), audio), WavError::None);
  EXPECT_EQ(audio.rate, 44100u);
  EXPECT_EQ(audio.channels, 2);
  EXPECT_EQ(bytes.size(), 44 + audio.samples.size() * 2) << "the header's sizes match the file";
  const double seconds = static_cast<double>(audio.frames()) / 44100.0;
  EXPECT_GE(seconds, 2.0);
  EXPECT_LT(seconds, 6.0);
  EXPECT_EQ(afterStop, 0) << "no recording runs any more";
  int64_t energy = 0;
  for (int16_t s : audio.samples) energy += s < 0 ? -s : s;
  EXPECT_GT(energy / static_cast<int64_t>(audio.samples.size()), 100) << "something was heard";
}

// A recording never replaces a file: not one the user keeps under the name,
// nor the one made a moment before under the same name.
TEST_F(KvEngine, RecordingsNeverOverwriteAFile) {
  const std::string folder = wintest::TempFolder() + "same\\";
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder << " error " << GetLastError();
  const std::string kept = folder + "take.wav";
  ASSERT_TRUE(wintest::WriteFileBytes(kept, "mine", 4));
  KvIniSetString("KvSave", "FileName", kept.c_str());
  EngineProcess engine;
  ASSERT_TRUE(engine.window());

  std::vector<std::string> paths;
  for (int take = 0; take < 2; ++take) {
    ASSERT_EQ(engine.Send(kSetRecording, 1), 1);
    char path[260] = {};
    ASSERT_EQ(engine.Send(kGetRecordPath, kPid, reinterpret_cast<LPARAM>(path)), 1);
    paths.push_back(path);
    ASSERT_EQ(engine.Send(kSetRecording, 0), 1);
  }
  EXPECT_EQ(paths, (std::vector<std::string>{folder + "take (2).wav", folder + "take (3).wav"}));
  EXPECT_EQ(ReadAll(kept), (std::vector<uint8_t>{'m', 'i', 'n', 'e'}));
  for (const std::string& path : paths) {
    const std::vector<uint8_t> bytes = ReadAll(path);
    ASSERT_GE(bytes.size(), 44u) << path;
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF") << path;
  }
}

// A WAV source file of 0.25 s with a pattern that cannot repeat by chance.
std::vector<int16_t> SourcePattern() {
  std::vector<int16_t> samples;
  for (int i = 0; i < 11025; ++i) {
    samples.push_back(static_cast<int16_t>((i * 37) % 30000 - 15000));
    samples.push_back(static_cast<int16_t>((i * 91) % 20000 - 10000));
  }
  return samples;
}

TEST_F(KvEngine, AWavSourceIsRecordedSampleForSample) {
  const std::vector<int16_t> source = SourcePattern();
  const std::string wav = wintest::TempFolder() + "source.wav";
  std::vector<uint8_t> file = WavHeader(static_cast<uint32_t>(source.size() * 2));
  const auto* raw = reinterpret_cast<const uint8_t*>(source.data());
  file.insert(file.end(), raw, raw + source.size() * 2);
  ASSERT_TRUE(wintest::WriteFileBytes(wav, file.data(), file.size()));
  KvIniSetString("KvSave", "FileName", (wintest::TempFolder() + "exact.wav").c_str());

  EngineProcess engine({wav});
  ASSERT_TRUE(engine.window());
  ASSERT_EQ(engine.Send(kSetRecording, 1), 1);
  PumpUntil([&] { return engine.Send(kGetRecordDuration) >= 1; });
  engine.Send(kSetRecording, 0);

  const std::vector<uint8_t> bytes = ReadAll(wintest::TempFolder() + "exact.wav");
  WavAudio audio;
  ASSERT_EQ(ParseWav(bytes.data(), bytes.size(), audio), WavError::None);
  ASSERT_GT(audio.frames(), 44100u);
  // The recording starts somewhere in the loop and follows it exactly.
  const size_t frames = source.size() / 2;
  size_t offset = 0;
  while (offset < frames && source[2 * offset] != audio.samples[0]) ++offset;
  ASSERT_LT(offset, frames);
  for (size_t i = 0; i < audio.frames(); ++i) {
    ASSERT_EQ(audio.samples[2 * i], source[2 * ((offset + i) % frames)]) << i;
    ASSERT_EQ(audio.samples[2 * i + 1], source[2 * ((offset + i) % frames) + 1]) << i;
  }
}

TEST_F(KvEngine, InputMutesAndVolumesShapeTheRecording) {
  EngineProcess engine;
  ASSERT_TRUE(engine.window());
  const auto record = [&](const char* name) {
    const std::string path = wintest::TempFolder() + name;
    KvIniSetString("KvSave", "FileName", path.c_str());
    engine.Send(kSetRecording, 1);
    PumpUntil([&] { return engine.Send(kGetRecordDuration) >= 1; });
    engine.Send(kSetRecording, 0);
    const std::vector<uint8_t> bytes = ReadAll(path);
    WavAudio audio;
    ParseWav(bytes.data(), bytes.size(), audio);
    // The first block may still have been made before the change.
    const size_t skip = std::min<size_t>(audio.samples.size(), 2 * 16384);
    return std::vector<int16_t>(audio.samples.begin() + static_cast<std::ptrdiff_t>(skip), audio.samples.end());
  };
  const auto peak = [](const std::vector<int16_t>& v, size_t channel) {
    int peakValue = 0;
    for (size_t i = channel; i < v.size(); i += 2) peakValue = std::max(peakValue, std::abs(static_cast<int>(v[i])));
    return peakValue;
  };

  const auto full = record("full.wav");
  ASSERT_FALSE(full.empty());
  EXPECT_GT(peak(full, 0), 2000);

  engine.Send(SetMute(Line::Record), 1);
  const auto muted = record("muted.wav");
  ASSERT_FALSE(muted.empty());
  EXPECT_EQ(peak(muted, 0) + peak(muted, 1), 0) << "a muted record line records silence";
  engine.Send(SetMute(Line::Record), 0);

  // The right half of the radio line at 0: the right channel falls silent.
  engine.Send(SetVolume(Line::Radio), 100);
  const auto left = record("left.wav");
  ASSERT_FALSE(left.empty());
  EXPECT_GT(peak(left, 0), 2000);
  EXPECT_EQ(peak(left, 1), 0);

  // Output stages leave the recording alone.
  engine.Send(SetVolume(Line::Radio), 100 | 100 << 16);
  engine.Send(SetMute(Line::SoundLines), 1);
  EXPECT_GT(peak(record("main-muted.wav"), 1), 2000);
}

TEST_F(KvEngine, BadSourceFilesFallBackToTheGeneratedProgramme) {
  const std::string bad = wintest::TempFolder() + "bad.wav";
  std::vector<uint8_t> cut = WavHeader(40000);
  cut.resize(30);  // ends inside the format chunk
  ASSERT_TRUE(wintest::WriteFileBytes(bad, cut.data(), cut.size()));
  for (const std::string& arg : {bad, wintest::TempFolder() + "missing.wav"}) {
    EngineProcess engine({arg});
    ASSERT_TRUE(engine.window()) << arg;
    EXPECT_EQ(engine.Send(kGetFrequency), 95'000'000);
    EXPECT_EQ(engine.Exit(), 0);
  }
}

TEST_F(KvEngine, StationListChangesReachTheModules) {
  EngineProcess engine;
  ASSERT_TRUE(engine.window());
  RecordingWindow a;
  engine.Send(kRegisterWindow, reinterpret_cast<WPARAM>(a.hwnd()), 1);
  auto stations = enginetest::FourStations();
  stations.push_back(enginetest::Station(99'100'000, 1, 5, "Epsilon"));
  enginetest::StoreStations(stations);
  EXPECT_TRUE(PumpUntil([&] { return a.Got(kSettingsChanged, 0); }));
  StationInfo preset{};
  preset.number = 3;
  ASSERT_EQ(engine.Send(kStationByPreset, kPid, At(preset)), 1);
  EXPECT_STREQ(preset.name, "Epsilon");

  // A damaged list ends at its last whole record.
  const char damaged[] = "\1\0\0\0\x60\x1d\xe6\x05Whole\0\1\0\0\0\x60\x1d";
  KvIniSetBinary("KvStations", "Stations", damaged, sizeof damaged - 1);
  a.received().clear();
  EXPECT_TRUE(PumpUntil([&] { return a.Got(kSettingsChanged, 0); }));
  preset.number = 1;
  ASSERT_EQ(engine.Send(kStationByPreset, kPid, At(preset)), 1);
  EXPECT_STREQ(preset.name, "Whole");
  EXPECT_EQ(preset.frequency, 0x05E61D60u);
  preset.number = 2;
  EXPECT_EQ(engine.Send(kStationByPreset, kPid, At(preset)), 0);
}

TEST_F(KvEngine, AStartingEngineTellsRunningGraphicModules) {
  RecordingWindow module("QorvVarix");
  RecordingWindow other;
  const UINT started = RegisterWindowMessageA(kEngineStartedName);
  EngineProcess engine;
  ASSERT_TRUE(engine.window());
  // Answering, the engine is past its start and all it posted there.
  EXPECT_EQ(engine.Send(kGetFrequency), 95'000'000);
  EXPECT_TRUE(PumpUntil([&] { return module.Last(started) >= 0; }));
  EXPECT_EQ(other.Last(started), -1);

  EngineProcess second;
  EXPECT_EQ(second.window(), nullptr) << "one engine at a time";
}

}  // namespace
