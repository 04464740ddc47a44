#include "player/engine/engine_state.h"

#include <algorithm>

namespace engine {

// Every value a notification reports, in the order they are sent.
struct EngineState::Reported {
  std::array<Notification, 10 + 2 * kLineCount> values;
};

EngineState::EngineState(StationNavigator stations, uint32_t frequency, uint32_t timeShiftMax)
    : stations_(std::move(stations)), timeShiftMax_(timeShiftMax) {
  controls_.frequency = Tunable(frequency);
  Receive();
}

uint32_t EngineState::Tunable(uint32_t hertz) const {
  return stations_.ByFrequency(hertz) ? hertz : SnapToBand(hertz);
}

void EngineState::Receive() {
  const std::vector<uint32_t> heard = stations_.frequencies();
  controls_.reception = ReceptionAt(controls_.frequency, heard);
  controls_.broadcast = BroadcastHeard(controls_.frequency, heard);
}

bool EngineState::stereo() const { return controls_.reception == Reception::Clear && !controls_.forcedMono; }

uint32_t EngineState::VolumeWord(Line l) const {
  const LineState& s = line(l);
  return s.left | (s.right << 16);
}

EngineState::Reported EngineState::Snapshot() const {
  Reported r{};
  size_t i = 0;
  r.values[i++] = {kNotifyFrequency, controls_.frequency};
  r.values[i++] = {kNotifyStereo, stereo()};
  // The stereo command's own value: 1 while stereo is let through, so
  // posting the opposite of what the query answers always switches.
  r.values[i++] = {kNotifyStereoButton, !controls_.forcedMono};
  r.values[i++] = {kNotifyFmMute, controls_.fmMute};
  r.values[i++] = {kNotifyFmVolume, controls_.fmVolume};
  for (uint32_t l = 0; l < kLineCount; ++l) r.values[i++] = {NotifyMute(Line(l)), controls_.lines[l].mute};
  for (uint32_t l = 0; l < kLineCount; ++l) {
    const LineState& s = controls_.lines[l];
    r.values[i++] = {NotifyVolume(Line(l)), std::max(s.left, s.right)};
  }
  r.values[i++] = {kNotifyAdvanced, controls_.advanced};
  r.values[i++] = {kNotifyRecording, recording_};
  r.values[i++] = {kNotifyTimeShift, controls_.timeShift};
  r.values[i++] = {kNotifyFreeze, controls_.freeze};
  // The buffer's own state: filling, frozen with sound ahead, or played out.
  const uint32_t buffer = controls_.freeze ? (controls_.timeShift > 0 ? 2 : 1) : 0;
  r.values[i++] = {kNotifyTimeShiftBuffer, buffer};
  return r;
}

template <typename Change>
Notifications EngineState::Changing(Change change) {
  const Reported before = Snapshot();
  change();
  Receive();
  const Reported after = Snapshot();
  Notifications out;
  for (size_t i = 0; i < after.values.size(); ++i) {
    if (after.values[i] == before.values[i]) continue;
    // The buffer's notification carries the delay, like the time shift's.
    if (after.values[i].msg == kNotifyTimeShiftBuffer) {
      out.push_back({kNotifyTimeShiftBuffer, controls_.timeShift});
      continue;
    }
    out.push_back(after.values[i]);
  }
  return out;
}

Notifications EngineState::Tune(uint32_t hertz) {
  tunedStation_ = 0;
  return Changing([&] { controls_.frequency = Tunable(hertz); });
}

Notifications EngineState::TuneStation(const StationInfo& station) {
  Notifications n = Tune(station.frequency);
  tunedStation_ = station.number;
  return n;
}

Notifications EngineState::SetStations(StationNavigator stations) {
  return Changing([&] { stations_ = std::move(stations); });
}

Notifications EngineState::ForceStereo(bool stereo) {
  return Changing([&] { controls_.forcedMono = !stereo; });
}

Notifications EngineState::SetFmMute(bool on) {
  return Changing([&] { controls_.fmMute = on; });
}

Notifications EngineState::SetFmVolume(uint32_t volume) {
  return Changing([&] { controls_.fmVolume = std::min(volume, kMaxVolume); });
}

Notifications EngineState::SetMute(Line l, bool on) {
  return Changing([&] { controls_.lines[static_cast<uint32_t>(l)].mute = on; });
}

Notifications EngineState::SetVolume(Line l, uint32_t word) {
  return Changing([&] {
    LineState& s = controls_.lines[static_cast<uint32_t>(l)];
    s.left = std::min(word & 0xFFFFu, kMaxVolume);
    s.right = std::min(word >> 16, kMaxVolume);
  });
}

Notifications EngineState::SetAdvanced(bool on) {
  return Changing([&] { controls_.advanced = on; });
}

Notifications EngineState::SetRecording(bool on) {
  return Changing([&] { recording_ = on; });
}

Notifications EngineState::SetTimeShift(uint32_t seconds) {
  return Changing([&] {
    controls_.timeShift = std::min(seconds, timeShiftMax_);
    ++controls_.timeShiftCommand;
  });
}

Notifications EngineState::TimeShiftPlayedTo(uint32_t seconds) {
  return Changing([&] { controls_.timeShift = std::min(seconds, timeShiftMax_); });
}

Notifications EngineState::SetFreeze(bool on) {
  return Changing([&] { controls_.freeze = on; });
}

}  // namespace engine
