// The engine state: which notifications follow which change, and the
// limits every value is kept in.
#include "player/engine/engine_state.h"

#include <gtest/gtest.h>

#include "player/engine/tests/test_stations.h"

namespace engine {
namespace {

using enginetest::FourStations;

// A frequency that neither the list nor the band's transmitters use, with
// no broadcast next to it either.
uint32_t QuietFrequency(const std::vector<uint32_t>& stations) {
  for (uint32_t f = kBandLow; f <= kBandHigh; f += kBandStep)
    if (ReceptionAt(f, stations) == Reception::None) return f;
  return 0;
}

EngineState StateOnFirstStation() { return EngineState(StationNavigator(FourStations()), 101'700'000); }

TEST(EngineState, TuningSnapsToTheBandAndReportsOnlyChanges) {
  EngineState s = StateOnFirstStation();
  EXPECT_TRUE(s.stereo());
  const uint32_t quiet = QuietFrequency(s.stations().frequencies());
  ASSERT_NE(quiet, 0u);

  EXPECT_EQ(s.Tune(quiet), (Notifications{{kNotifyFrequency, quiet}, {kNotifyStereo, 0}}));
  EXPECT_FALSE(s.stereo());
  EXPECT_TRUE(s.Tune(quiet).empty());
  EXPECT_TRUE(s.Tune(quiet + 10'000).empty()) << "rounds back to the same step";

  EXPECT_EQ(s.Tune(200'000'000), (Notifications{{kNotifyFrequency, kBandHigh}}));
  s.Tune(0);
  EXPECT_EQ(s.frequency(), kBandLow);
  s.Tune(99'974'999);
  EXPECT_EQ(s.frequency(), 99'950'000u);
  s.Tune(99'975'000);
  EXPECT_EQ(s.frequency(), 100'000'000u);
}

// Stored stations need not lie on the 50 kHz grid or inside the band: each
// is tuned exactly, so the name lookup finds it and stepping moves on.
TEST(EngineState, StationsOffTheGridAreTunedExactly) {
  std::vector<StationInfo> list = FourStations();
  list.push_back(enginetest::Station(101'105'000, 1, 5, "Echo"));
  list.push_back(enginetest::Station(76'100'000, 0, 6, "Foxtrot"));
  EngineState s(StationNavigator(list), 101'105'000);
  EXPECT_EQ(s.frequency(), 101'105'000u);
  EXPECT_TRUE(s.stereo());

  // Stepping through the list from Delta: Echo, Foxtrot, then round to Alpha.
  s.Tune(95'000'000);
  for (const uint32_t expected : {101'105'000u, 76'100'000u, 101'700'000u}) {
    const Notifications n = s.Tune(s.stations().Next(s.frequency())->frequency);
    ASSERT_FALSE(n.empty());
    EXPECT_EQ(n.front(), (Notification{kNotifyFrequency, expected}));
    EXPECT_EQ(s.frequency(), expected);
  }
  s.Tune(76'150'000);
  EXPECT_EQ(s.frequency(), kBandLow) << "only the listed frequency itself is tuned outside the band";
}

// A listed station is a broadcast wherever it lies: heard clear and in
// stereo, off the grid and outside the band alike.
TEST(EngineState, EveryListedStationIsReceived) {
  const uint32_t listed[] = {101'105'000, 76'100'000, 108'100'000, 87'450'000};
  std::vector<StationInfo> list;
  for (const uint32_t hertz : listed) list.push_back(enginetest::Station(hertz, 0, 0, "Far"));
  EngineState s(StationNavigator(list), listed[0]);
  for (const uint32_t hertz : listed) {
    s.Tune(hertz);
    EXPECT_EQ(s.frequency(), hertz);
    EXPECT_EQ(s.controls().reception, Reception::Clear) << hertz;
    EXPECT_EQ(s.controls().broadcast, hertz) << hertz;
    EXPECT_TRUE(s.stereo()) << hertz;
  }
}

TEST(EngineState, ForcedMonoTurnsStereoReceptionOff) {
  EngineState s = StateOnFirstStation();
  EXPECT_EQ(s.ForceStereo(false), (Notifications{{kNotifyStereo, 0}, {kNotifyStereoButton, 0}}));
  EXPECT_TRUE(s.forcedMono());
  EXPECT_TRUE(s.ForceStereo(false).empty());
  // Between stations there is no stereo to get back: only the button changes.
  s.Tune(QuietFrequency(s.stations().frequencies()));
  EXPECT_EQ(s.ForceStereo(true), (Notifications{{kNotifyStereoButton, 1}}));
}

TEST(EngineState, VolumesKeepTheirHalvesAndReportTheLarger) {
  EngineState s = StateOnFirstStation();
  EXPECT_EQ(s.VolumeWord(Line::Radio), 100u | 100u << 16);
  EXPECT_EQ(s.SetVolume(Line::Radio, 30 | 70u << 16), (Notifications{{NotifyVolume(Line::Radio), 70}}));
  EXPECT_EQ(s.line(Line::Radio).left, 30u);
  EXPECT_EQ(s.line(Line::Radio).right, 70u);
  // The larger half stays 70: the state changed but reports the same.
  EXPECT_TRUE(s.SetVolume(Line::Radio, 70 | 20u << 16).empty());
  EXPECT_EQ(s.VolumeWord(Line::Radio), 70u | 20u << 16);

  s.SetVolume(Line::SoundLines, 101 | 500u << 16);
  EXPECT_EQ(s.VolumeWord(Line::SoundLines), 100u | 100u << 16) << "each half is kept within 0..100";
  EXPECT_EQ(s.SetFmVolume(250), Notifications{});
  EXPECT_EQ(s.SetFmVolume(40), (Notifications{{kNotifyFmVolume, 40}}));

  EXPECT_EQ(s.SetMute(Line::All, true), (Notifications{{NotifyMute(Line::All), 1}}));
  EXPECT_TRUE(s.line(Line::All).mute);
  EXPECT_FALSE(s.line(Line::WaveOut).mute);
  EXPECT_EQ(s.SetFmMute(true), (Notifications{{kNotifyFmMute, 1}}));
}

TEST(EngineState, TimeShiftAndFreeze) {
  EngineState s(StationNavigator(FourStations()), 95'000'000, 60);
  EXPECT_EQ(s.SetTimeShift(500), (Notifications{{kNotifyTimeShift, 60}}));
  const uint32_t command = s.controls().timeShiftCommand;

  EXPECT_EQ(s.SetFreeze(true), (Notifications{{kNotifyFreeze, 1}, {kNotifyTimeShiftBuffer, 60}}));
  // The frozen buffer plays out: the delay shrinks, but no command was given.
  EXPECT_EQ(s.TimeShiftPlayedTo(59), (Notifications{{kNotifyTimeShift, 59}}));
  EXPECT_EQ(s.controls().timeShiftCommand, command);
  EXPECT_EQ(s.TimeShiftPlayedTo(0), (Notifications{{kNotifyTimeShift, 0}, {kNotifyTimeShiftBuffer, 0}}));

  s.SetTimeShift(0);
  EXPECT_NE(s.controls().timeShiftCommand, command) << "even the same delay restarts the play position";
  EXPECT_EQ(s.SetFreeze(false), (Notifications{{kNotifyFreeze, 0}, {kNotifyTimeShiftBuffer, 0}}));
}

TEST(EngineState, AStationListChangeCanChangeWhatIsReceived) {
  EngineState s(StationNavigator{}, 0);
  const uint32_t quiet = QuietFrequency({});
  s.Tune(quiet);
  EXPECT_FALSE(s.stereo());
  EXPECT_EQ(s.controls().broadcast, 0u);
  EXPECT_EQ(s.SetStations(StationNavigator({enginetest::Station(quiet, 0, 1, "New")})),
            (Notifications{{kNotifyStereo, 1}}));
  EXPECT_EQ(s.controls().broadcast, quiet);
  EXPECT_EQ(s.controls().reception, Reception::Clear);

  s.Tune(quiet + kBandStep);
  EXPECT_EQ(s.controls().reception, Reception::Weak);
  EXPECT_NE(s.controls().broadcast, 0u) << "beside a station a programme comes through";
  EXPECT_FALSE(s.stereo());
}

TEST(EngineState, AdvancedAndRecordingReportTheirState) {
  EngineState s = StateOnFirstStation();
  EXPECT_TRUE(s.advanced());
  EXPECT_EQ(s.SetAdvanced(false), (Notifications{{kNotifyAdvanced, 0}}));
  EXPECT_EQ(s.SetRecording(true), (Notifications{{kNotifyRecording, 1}}));
  EXPECT_TRUE(s.SetRecording(true).empty());
}

}  // namespace
}  // namespace engine
