// The one state of the engine: what is tuned and received, the mixer, the
// advanced functions, recording and time shift. Every change returns the
// notifications that registered module windows must get, and only when the
// value they report really changed.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "host/engine_messages.h"
#include "player/engine/band.h"
#include "player/engine/station_navigator.h"

namespace engine {

struct Notification {
  Msg msg;
  uint32_t value;
  bool operator==(const Notification&) const = default;
};
using Notifications = std::vector<Notification>;

inline constexpr uint32_t kMaxVolume = 100;
inline constexpr uint32_t kDefaultTimeShiftSeconds = 120;

struct LineState {
  bool mute = false;
  uint32_t left = kMaxVolume;
  uint32_t right = kMaxVolume;
};

// What the sound thread needs of the state, copied to it after each change.
struct SoundControls {
  uint32_t frequency = 0;
  Reception reception = Reception::None;
  uint32_t broadcast = 0;  // the programme heard, by its frequency; 0 for noise
  bool forcedMono = false;
  bool fmMute = false;
  uint32_t fmVolume = kMaxVolume;
  std::array<LineState, kLineCount> lines{};
  bool advanced = true;
  uint32_t timeShift = 0;         // seconds behind live
  uint32_t timeShiftCommand = 0;  // counts the delays set by a command
  bool freeze = false;
};

class EngineState {
 public:
  EngineState(StationNavigator stations, uint32_t frequency, uint32_t timeShiftMax = kDefaultTimeShiftSeconds);

  const StationNavigator& stations() const { return stations_; }
  uint32_t frequency() const { return controls_.frequency; }
  // The number of the station of the list last tuned as a station, or 0
  // after a tuning by frequency.
  uint32_t tunedStation() const { return tunedStation_; }
  bool stereo() const;  // stereo reception as the tuner reports it
  bool forcedMono() const { return controls_.forcedMono; }
  bool fmMute() const { return controls_.fmMute; }
  uint32_t fmVolume() const { return controls_.fmVolume; }
  const LineState& line(Line l) const { return controls_.lines[static_cast<uint32_t>(l)]; }
  uint32_t VolumeWord(Line l) const;  // left in the low half, right in the high half
  bool advanced() const { return controls_.advanced; }
  bool recording() const { return recording_; }
  uint32_t timeShift() const { return controls_.timeShift; }
  uint32_t timeShiftMax() const { return timeShiftMax_; }
  bool freeze() const { return controls_.freeze; }
  const SoundControls& controls() const { return controls_; }

  Notifications Tune(uint32_t hertz);
  // Tunes a station of the list and remembers which one, since several may
  // share its frequency.
  Notifications TuneStation(const StationInfo& station);
  Notifications SetStations(StationNavigator stations);
  Notifications ForceStereo(bool stereo);
  Notifications SetFmMute(bool on);
  Notifications SetFmVolume(uint32_t volume);
  Notifications SetMute(Line l, bool on);
  Notifications SetVolume(Line l, uint32_t word);
  Notifications SetAdvanced(bool on);
  Notifications SetRecording(bool on);
  Notifications SetTimeShift(uint32_t seconds);
  // The delay heard while the frozen buffer plays out; not a user's command.
  Notifications TimeShiftPlayedTo(uint32_t seconds);
  Notifications SetFreeze(bool on);

 private:
  // Runs a change and reports the notifications of what it changed.
  template <typename Change>
  Notifications Changing(Change change);
  struct Reported;
  void Receive();
  Reported Snapshot() const;
  // A station of the list is tuned exactly, even off the 50 kHz grid or
  // outside the band; any other frequency is snapped into the band.
  uint32_t Tunable(uint32_t hertz) const;

  StationNavigator stations_;
  SoundControls controls_;
  uint32_t tunedStation_ = 0;
  bool recording_ = false;
  uint32_t timeShiftMax_;
};

}  // namespace engine
