#include "player/engine/protocol.h"

#include <algorithm>
#include <cstring>

namespace engine {
namespace {

constexpr size_t kPathBytes = 260;
constexpr size_t kPresetNumberOffset = offsetof(StationInfo, number);

bool InRange(Msg msg, Msg first) { return msg >= first && msg < first + kLineCount; }
Line LineOf(Msg msg, Msg first) { return static_cast<Line>(msg - first); }
uint32_t Pid(uintptr_t wParam) { return static_cast<uint32_t>(wParam); }

}  // namespace

Protocol::Protocol(EngineState& state, EnginePeer& peer, Msg equalizerSettings)
    : state_(state), peer_(peer), equalizerSettings_(equalizerSettings) {}

void Protocol::Send(const Notifications& n) {
  for (const Notification& one : n) peer_.Notify(one);
}

std::optional<uintptr_t> Protocol::Handle(Msg msg, uintptr_t wParam, uintptr_t lParam) {
  const bool on = wParam != 0;
  const uint32_t value = static_cast<uint32_t>(wParam);
  if (InRange(msg, kGetMuteFirst)) return state_.line(LineOf(msg, kGetMuteFirst)).mute;
  if (InRange(msg, kGetVolumeFirst)) return state_.VolumeWord(LineOf(msg, kGetVolumeFirst));
  if (InRange(msg, kSetMuteFirst)) {
    Send(state_.SetMute(LineOf(msg, kSetMuteFirst), on));
    return 1;
  }
  if (InRange(msg, kSetVolumeFirst)) {
    Send(state_.SetVolume(LineOf(msg, kSetVolumeFirst), value));
    return 1;
  }
  if (msg == equalizerSettings_ && msg != 0) {
    // Every module's equalizer panel rereads the shared settings.
    peer_.Notify({equalizerSettings_, 0});
    return 0;
  }

  switch (msg) {
    case kStationByFrequency:
    case kStationByPreset:
    case kNextStationInfo:
    case kPreviousStationInfo:
    case kGetRecordPath:
      // A posted request's record may be gone by now, or reused.
      if (!peer_.CallerWaits()) return 0;
      break;
    default:
      break;
  }

  switch (msg) {
    case kExit:
      peer_.Exit();
      return 1;
    case kRegisterWindow:
      return peer_.Register(wParam, lParam != 0);
    case kGetFrequency:
      return state_.frequency();
    case kTune:
      Send(state_.Tune(value));
      return 1;
    case kStationByFrequency:
      return StationByFrequency(wParam, lParam);
    case kStationByPreset:
      return StationByPreset(wParam, lParam);
    case kNextStation:
      return TuneTo(state_.stations().Next(state_.frequency(), state_.tunedStation()));
    case kPreviousStation:
      return TuneTo(state_.stations().Previous(state_.frequency(), state_.tunedStation()));
    case kKeyBackspace:
      Send(state_.Tune(StepFrequency(state_.frequency(), -1)));
      return 1;
    case kKeyShiftBackspace:
      Send(state_.Tune(StepFrequency(state_.frequency(), +1)));
      return 1;
    case kSelectPreset:
      return TuneTo(state_.stations().ByPreset(value));
    case kNextStationInfo:
      return FillStation(wParam, lParam, state_.stations().Next(state_.frequency(), state_.tunedStation()));
    case kPreviousStationInfo:
      return FillStation(wParam, lParam, state_.stations().Previous(state_.frequency(), state_.tunedStation()));
    case kGetStereo:
      return state_.stereo();
    case kForceStereo:
      Send(state_.ForceStereo(on));
      return 1;
    case kGetStereoButton:
      return !state_.forcedMono();  // the value kForceStereo sets
    case kGetFmMute:
      return state_.fmMute();
    case kSetFmMute:
      Send(state_.SetFmMute(on));
      return 1;
    case kGetFmVolume:
      return state_.fmVolume();
    case kSetFmVolume:
      Send(state_.SetFmVolume(value));
      return 1;
    case kSetAdvanced:
      Send(state_.SetAdvanced(on));
      return 1;
    case kGetAdvanced:
      return state_.advanced();
    case kSetRecording:
      return Recording(on);
    case kGetRecording:
      return state_.recording();
    case kGetTimeShift:
      return state_.timeShift();
    case kSetTimeShift:
      Send(state_.SetTimeShift(value));
      return 1;
    case kGetTimeShiftMax:
      return state_.timeShiftMax();
    case kGetFreeze:
      return state_.freeze();
    case kSetFreeze:
      Send(state_.SetFreeze(on));
      return 1;
    case kGetRecordPath:
      return RecordPath(wParam, lParam);
    case kGetRecordDuration:
      return state_.recording() ? peer_.RecordSeconds() : 0;
    default:
      return std::nullopt;
  }
}

uintptr_t Protocol::FillStation(uintptr_t processId, uintptr_t address, const std::optional<StationInfo>& station) {
  if (!station) return 0;
  return peer_.WriteCaller(Pid(processId), address, &*station, sizeof(StationInfo)) ? 1 : 0;
}

uintptr_t Protocol::StationByFrequency(uintptr_t processId, uintptr_t address) {
  uint32_t hertz = 0;
  if (!peer_.ReadCaller(Pid(processId), address, &hertz, sizeof hertz)) return 0;
  StationInfo info{};
  info.frequency = hertz;
  // Off the list the record keeps its frequency and gets an empty name.
  if (const auto station = state_.stations().ByFrequency(hertz)) info = *station;
  return peer_.WriteCaller(Pid(processId), address, &info, sizeof info) ? 1 : 0;
}

uintptr_t Protocol::StationByPreset(uintptr_t processId, uintptr_t address) {
  uint32_t preset = 0;
  if (!peer_.ReadCaller(Pid(processId), address + kPresetNumberOffset, &preset, sizeof preset)) return 0;
  return FillStation(processId, address, state_.stations().ByPreset(preset));
}

uintptr_t Protocol::TuneTo(const std::optional<StationInfo>& station) {
  if (!station) return 0;
  Send(state_.TuneStation(*station));
  return 1;
}

uintptr_t Protocol::Recording(bool on) {
  if (on == state_.recording()) return 1;
  if (on && !peer_.StartRecording()) return 0;
  if (!on) peer_.StopRecording();
  Send(state_.SetRecording(on));
  return 1;
}

uintptr_t Protocol::RecordPath(uintptr_t processId, uintptr_t address) {
  const std::string path = peer_.RecordPath();
  if (path.empty()) return 0;
  char buffer[kPathBytes] = {};
  std::memcpy(buffer, path.data(), std::min(path.size(), kPathBytes - 1));
  return peer_.WriteCaller(Pid(processId), address, buffer, sizeof buffer) ? 1 : 0;
}

}  // namespace engine
