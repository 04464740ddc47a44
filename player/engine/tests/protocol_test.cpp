// The message table as a module drives it: answers, effects, the
// notifications that follow, and station records in the caller's memory.
#include "player/engine/protocol.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "player/engine/tests/test_stations.h"

namespace engine {
namespace {

constexpr uint32_t kCaller = 4242;
constexpr uintptr_t kBase = 0x10000;
constexpr Msg kEqualizerSettings = 0xC123;

// Memory of other processes: one window of bytes per process identifier.
class FakePeer : public EnginePeer {
 public:
  std::map<uint32_t, std::vector<uint8_t>> memory;
  Notifications sent;
  std::vector<std::pair<uintptr_t, bool>> registrations;
  bool exited = false;
  bool callerWaits = true;
  bool canRecord = true;
  bool recordingOpen = false;
  std::string path = "C:\\Rec\\Rad 2026-01-01 10-00-00.wav";

  bool ReadCaller(uint32_t pid, uintptr_t address, void* out, size_t size) override {
    uint8_t* p = At(pid, address, size);
    return p && (std::memcpy(out, p, size), true);
  }
  bool WriteCaller(uint32_t pid, uintptr_t address, const void* data, size_t size) override {
    uint8_t* p = At(pid, address, size);
    return p && (std::memcpy(p, data, size), true);
  }
  bool CallerWaits() override { return callerWaits; }
  void Notify(const Notification& n) override { sent.push_back(n); }
  bool Register(uintptr_t window, bool on) override {
    registrations.emplace_back(window, on);
    return true;
  }
  void Exit() override { exited = true; }
  bool StartRecording() override { return recordingOpen = canRecord; }
  void StopRecording() override { recordingOpen = false; }
  std::string RecordPath() override { return path; }
  uint32_t RecordSeconds() override { return 17; }

  Notifications Take() { return std::exchange(sent, {}); }

 private:
  uint8_t* At(uint32_t pid, uintptr_t address, size_t size) {
    auto it = memory.find(pid);
    if (it == memory.end() || address < kBase || address - kBase + size > it->second.size()) return nullptr;
    return it->second.data() + (address - kBase);
  }
};

class ProtocolTest : public testing::Test {
 protected:
  ProtocolTest() : state(StationNavigator(enginetest::FourStations()), 95'000'000), protocol(state, peer, kEqualizerSettings) {
    peer.memory[kCaller].assign(1024, 0xEE);
  }
  uintptr_t Call(Msg m, uintptr_t w = 0, uintptr_t l = 0) {
    const auto r = protocol.Handle(m, w, l);
    EXPECT_TRUE(r.has_value()) << std::hex << m;
    return r.value_or(0xBAD);
  }
  StationInfo Record(uintptr_t offset = 0) {
    StationInfo info;
    std::memcpy(&info, peer.memory[kCaller].data() + offset, sizeof info);
    return info;
  }
  void PutWord(uintptr_t offset, uint32_t v) { std::memcpy(peer.memory[kCaller].data() + offset, &v, 4); }

  FakePeer peer;
  EngineState state;
  Protocol protocol;
};

TEST_F(ProtocolTest, EveryLineHasItsOwnMuteAndVolume) {
  for (uint32_t l = 0; l < kLineCount; ++l) {
    const Line line = static_cast<Line>(l);
    EXPECT_EQ(Call(GetMute(line)), 0u);
    Call(SetMute(line), 1);
    EXPECT_EQ(peer.Take(), (Notifications{{NotifyMute(line), 1}}));
    EXPECT_EQ(Call(GetMute(line)), 1u);
    Call(SetVolume(line), (10 + l) | (10 + l) << 16);
    EXPECT_EQ(peer.Take(), (Notifications{{NotifyVolume(line), 10 + l}}));
    EXPECT_EQ(Call(GetVolume(line)), (10 + l) | (10 + l) << 16);
  }
  // The others were not touched by the last line's commands.
  EXPECT_EQ(Call(GetVolume(Line::Radio)), 10u | 10u << 16);
  Call(SetMute(Line::Radio), 0);
  EXPECT_EQ(Call(GetMute(Line::Record)), 1u);

  EXPECT_EQ(Call(kGetFmMute), 0u);
  Call(kSetFmMute, 7);
  EXPECT_EQ(Call(kGetFmMute), 1u) << "any non-zero switches on";
  Call(kSetFmVolume, 33);
  EXPECT_EQ(Call(kGetFmVolume), 33u);
  EXPECT_EQ(peer.Take(), (Notifications{{NotifyMute(Line::Radio), 0}, {kNotifyFmMute, 1}, {kNotifyFmVolume, 33}}));
}

TEST_F(ProtocolTest, TuningStereoAndStepping) {
  EXPECT_EQ(Call(kGetFrequency), 95'000'000u);
  EXPECT_EQ(Call(kGetStereo), 1u);
  EXPECT_EQ(Call(kGetStereoButton), 1u);
  Call(kForceStereo, 0);
  EXPECT_EQ(Call(kGetStereoButton), 0u);
  EXPECT_EQ(peer.Take(), (Notifications{{kNotifyStereo, 0}, {kNotifyStereoButton, 0}}));
  Call(kForceStereo, 1);
  peer.Take();

  Call(kKeyShiftBackspace);
  EXPECT_EQ(Call(kGetFrequency), 95'050'000u);
  Call(kKeyBackspace);
  Call(kKeyBackspace);
  EXPECT_EQ(Call(kGetFrequency), 94'950'000u);
  Call(kTune, kBandLow);
  Call(kKeyBackspace);
  EXPECT_EQ(Call(kGetFrequency), kBandHigh) << "the dial wraps at the band's end";
  Notifications frequencies;
  for (const Notification& n : peer.Take())
    if (n.msg == kNotifyFrequency) frequencies.push_back(n);
  EXPECT_EQ(frequencies, (Notifications{{kNotifyFrequency, 95'050'000},
                                        {kNotifyFrequency, 95'000'000},
                                        {kNotifyFrequency, 94'950'000},
                                        {kNotifyFrequency, kBandLow},
                                        {kNotifyFrequency, kBandHigh}}));
}

TEST_F(ProtocolTest, StationRecordsAreWrittenIntoTheCaller) {
  PutWord(0, 104'550'000);
  EXPECT_EQ(Call(kStationByFrequency, kCaller, kBase), 1u);
  EXPECT_STREQ(Record().name, "Gamma");
  EXPECT_EQ(Record().number, 3u);

  // A frequency off the list keeps its frequency and gets no name.
  PutWord(300, 99'000'000);
  EXPECT_EQ(Call(kStationByFrequency, kCaller, kBase + 300), 1u);
  EXPECT_EQ(Record(300).frequency, 99'000'000u);
  EXPECT_STREQ(Record(300).name, "");
  EXPECT_EQ(Record(300).number, 0u);

  PutWord(8, 2);
  EXPECT_EQ(Call(kStationByPreset, kCaller, kBase), 1u);
  EXPECT_STREQ(Record().name, "Gamma");
  PutWord(8, 3);
  EXPECT_EQ(Call(kStationByPreset, kCaller, kBase), 0u) << "only two stations are buttons";

  EXPECT_EQ(Call(kNextStationInfo, kCaller, kBase), 1u);
  EXPECT_STREQ(Record().name, "Alpha");
  EXPECT_EQ(Call(kPreviousStationInfo, kCaller, kBase), 1u);
  EXPECT_STREQ(Record().name, "Gamma");
  EXPECT_EQ(Call(kGetFrequency), 95'000'000u) << "asking does not tune";
  EXPECT_TRUE(peer.Take().empty());
}

TEST_F(ProtocolTest, UnreachableRecordsAnswerZero) {
  EXPECT_EQ(Call(kStationByFrequency, kCaller, 0x10), 0u);
  EXPECT_EQ(Call(kStationByFrequency, kCaller, kBase + 1024 - 100), 0u) << "the record would run past the end";
  EXPECT_EQ(Call(kNextStationInfo, 999, kBase), 0u) << "no such process";
  EXPECT_EQ(Call(kGetRecordPath, kCaller, 0), 0u);
  PutWord(8, 1);
  EXPECT_EQ(Call(kStationByPreset, kCaller, kBase + 1024 - 10), 0u);
}

// A request that fills a record answers only a caller that waits for it:
// posted, the record it names may be gone or reused by then.
TEST_F(ProtocolTest, PostedRecordRequestsWriteNothing) {
  peer.callerWaits = false;
  PutWord(0, 104'550'000);
  PutWord(8, 1);
  const std::vector<uint8_t> before = peer.memory[kCaller];
  for (const Msg request : {kStationByFrequency, kStationByPreset, kNextStationInfo, kPreviousStationInfo, kGetRecordPath}) {
    EXPECT_EQ(Call(request, kCaller, kBase), 0u) << std::hex << request;
    EXPECT_EQ(peer.memory[kCaller], before) << std::hex << request;
  }
  peer.callerWaits = true;
  EXPECT_EQ(Call(kStationByFrequency, kCaller, kBase), 1u);
  EXPECT_STREQ(Record().name, "Gamma");
}

TEST_F(ProtocolTest, NavigationCommandsTuneAndNotify) {
  Call(kNextStation);
  EXPECT_EQ(Call(kGetFrequency), 101'700'000u);
  Call(kPreviousStation);
  Call(kPreviousStation);
  EXPECT_EQ(Call(kGetFrequency), 104'550'000u);
  EXPECT_EQ(Call(kSelectPreset, 1), 1u);
  EXPECT_EQ(Call(kGetFrequency), 101'700'000u);
  EXPECT_EQ(Call(kSelectPreset, 5), 0u);
  EXPECT_EQ(Call(kGetFrequency), 101'700'000u);
  Notifications frequencies;
  for (const Notification& n : peer.Take())
    if (n.msg == kNotifyFrequency) frequencies.push_back(n);
  EXPECT_EQ(frequencies, (Notifications{{kNotifyFrequency, 101'700'000},
                                        {kNotifyFrequency, 95'000'000},
                                        {kNotifyFrequency, 104'550'000},
                                        {kNotifyFrequency, 101'700'000}}));

  EngineState empty(StationNavigator{}, 100'000'000);
  Protocol bare(empty, peer, kEqualizerSettings);
  EXPECT_EQ(bare.Handle(kNextStation, 0, 0), 0u);
  EXPECT_EQ(bare.Handle(kNextStationInfo, kCaller, kBase), 0u);
  EXPECT_EQ(empty.frequency(), 100'000'000u);
}

// Two stations on one frequency: stepping goes through both, in stored
// order either way, and the records asked for follow the same walk.
TEST(ProtocolStations, StepsReachEveryStationOfASharedFrequency) {
  using enginetest::Station;
  FakePeer peer;
  peer.memory[kCaller].assign(sizeof(StationInfo), 0);
  EngineState state(StationNavigator({Station(101'700'000, 1, 1, "Alpha"), Station(95'000'000, 0, 2, "Beta"),
                                      Station(95'000'000, 1, 3, "Gamma"), Station(104'550'000, 0, 4, "Delta")}),
                    101'700'000);
  Protocol protocol(state, peer, kEqualizerSettings);
  const auto name = [&](Msg ask) {
    protocol.Handle(ask, kCaller, kBase);
    return std::string(reinterpret_cast<const StationInfo*>(peer.memory[kCaller].data())->name);
  };
  const struct {
    Msg command;
    const char* tuned;
    const char* next;
    const char* previous;
  } steps[] = {
      {kNextStation, "Beta", "Gamma", "Alpha"},     {kNextStation, "Gamma", "Delta", "Beta"},
      {kNextStation, "Delta", "Alpha", "Gamma"},    {kPreviousStation, "Gamma", "Delta", "Beta"},
      {kPreviousStation, "Beta", "Gamma", "Alpha"}, {kSelectPreset, "Gamma", "Delta", "Beta"},
  };
  for (const auto& step : steps) {
    const uintptr_t preset = step.command == kSelectPreset ? 2 : 0;
    ASSERT_EQ(protocol.Handle(step.command, preset, 0), 1u);
    EXPECT_EQ(name(kNextStationInfo), step.next) << "after tuning " << step.tuned;
    EXPECT_EQ(name(kPreviousStationInfo), step.previous) << "after tuning " << step.tuned;
  }
  // Tuned by frequency, the first station of that frequency is where a step starts.
  protocol.Handle(kTune, 95'000'000, 0);
  EXPECT_EQ(name(kNextStationInfo), "Gamma");
}

TEST_F(ProtocolTest, RecordingFollowsThePeer) {
  EXPECT_EQ(Call(kGetRecordDuration), 0u);
  peer.canRecord = false;
  EXPECT_EQ(Call(kSetRecording, 1), 0u);
  EXPECT_EQ(Call(kGetRecording), 0u);
  EXPECT_TRUE(peer.Take().empty()) << "a recording that could not start is not reported";

  peer.canRecord = true;
  EXPECT_EQ(Call(kSetRecording, 1), 1u);
  EXPECT_EQ(Call(kGetRecording), 1u);
  EXPECT_EQ(Call(kGetRecordDuration), 17u);
  EXPECT_EQ(Call(kGetRecordPath, kCaller, kBase + 500), 1u);
  EXPECT_STREQ(reinterpret_cast<const char*>(peer.memory[kCaller].data() + 500), peer.path.c_str());
  Call(kSetRecording, 0);
  EXPECT_FALSE(peer.recordingOpen);
  EXPECT_EQ(peer.Take(), (Notifications{{kNotifyRecording, 1}, {kNotifyRecording, 0}}));

  // A path longer than the buffer is cut and still terminated.
  peer.path = std::string(400, 'p');
  EXPECT_EQ(Call(kGetRecordPath, kCaller, kBase), 1u);
  EXPECT_EQ(peer.memory[kCaller][258], 'p');
  EXPECT_EQ(peer.memory[kCaller][259], 0);
  EXPECT_EQ(peer.memory[kCaller][260], 0xEE) << "nothing beyond the 260 bytes";
}

// A module toggles stereo by posting the opposite of a query's answer: the
// stereo button asks 0x64D, the S key asks for stereo reception. Each press
// must switch between mono and stereo.
TEST_F(ProtocolTest, StereoTogglesSwitchOnEveryPress) {
  for (int press = 0; press < 4; ++press) {
    const uintptr_t before = Call(kGetStereoButton);
    Call(kForceStereo, before != 0 ? 0 : 1);
    EXPECT_NE(Call(kGetStereoButton), before) << "button press " << press;
    EXPECT_EQ(peer.Take().back(), (Notification{kNotifyStereoButton, static_cast<uint32_t>(Call(kGetStereoButton))}));
  }
  for (int press = 0; press < 4; ++press) {
    const uintptr_t before = Call(kGetStereo);
    Call(kForceStereo, before != 0 ? 0 : 1);
    EXPECT_NE(Call(kGetStereo), before) << "key press " << press;
  }
}

TEST_F(ProtocolTest, TimeShiftAdvancedAndTheRest) {
  EXPECT_EQ(Call(kGetTimeShiftMax), kDefaultTimeShiftSeconds);
  Call(kSetTimeShift, 30);
  EXPECT_EQ(Call(kGetTimeShift), 30u);
  Call(kSetFreeze, 1);
  EXPECT_EQ(Call(kGetFreeze), 1u);
  Call(kSetAdvanced, 0);
  EXPECT_EQ(Call(kGetAdvanced), 0u);
  EXPECT_EQ(peer.Take(), (Notifications{{kNotifyTimeShift, 30},
                                        {kNotifyFreeze, 1},
                                        {kNotifyTimeShiftBuffer, 30},
                                        {kNotifyAdvanced, 0}}));

  EXPECT_EQ(Call(kRegisterWindow, 0x1234, 1), 1u);
  Call(kRegisterWindow, 0x1234, 0);
  EXPECT_EQ(peer.registrations, (std::vector<std::pair<uintptr_t, bool>>{{0x1234, true}, {0x1234, false}}));

  Call(kEqualizerSettings);
  EXPECT_EQ(peer.Take(), (Notifications{{kEqualizerSettings, 0}})) << "passed on to every module";
  EXPECT_FALSE(protocol.Handle(0x0400, 0, 0).has_value());
  EXPECT_FALSE(protocol.Handle(kNotifyFrequency, 0, 0).has_value());
  Call(kExit);
  EXPECT_TRUE(peer.exited);
}

}  // namespace
}  // namespace engine
