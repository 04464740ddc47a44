// The ten buttons that switch an engine state: what each posts, asks and
// hears, by skin slot.
#pragma once

#include "graphic/core/skin_records.h"
#include "host/engine_messages.h"

namespace vrx {

struct EngineToggle {
  int slot;
  engine::Msg command;       // posted, wParam the new state
  engine::Msg query;         // sent at creation
  engine::Msg notification;  // wParam the engine's state
  bool invert;               // the button is on while the state is 0
  const char* tipKey;
  const char* tipDefault;
};

using engine::Line;
inline constexpr EngineToggle kEngineToggles[] = {
    {skin::kBtnSetStereo, engine::kForceStereo, engine::kGetStereoButton, engine::kNotifyStereoButton, true,
     "BTNSTEREO", "Force mono/stereo"},
    {skin::kBtnRecord, engine::kSetRecording, engine::kGetRecording, engine::kNotifyRecording, false, "BTNRECORD",
     "Start recording"},
    {skin::kBtnFreeze, engine::kSetFreeze, engine::kGetFreeze, engine::kNotifyFreeze, false, "BTNFREEZE",
     "Freeze the TimeShift buffer"},
    {skin::kBtnEngage, engine::kSetAdvanced, engine::kGetAdvanced, engine::kNotifyAdvanced, false, "BTNENGAGE",
     "Enable advanced functions of Tavrin FM Player"},
    {skin::kBtnMuteFM, engine::kSetFmMute, engine::kGetFmMute, engine::kNotifyFmMute, false, "BTNMUTEFM",
     "Mute the FM Tuner"},
    {skin::kBtnMuteRad, engine::SetMute(Line::Radio), engine::GetMute(Line::Radio), engine::NotifyMute(Line::Radio),
     false, "BTNMUTERAD", "Mute the Radio line"},
    {skin::kBtnMuteAll, engine::SetMute(Line::All), engine::GetMute(Line::All), engine::NotifyMute(Line::All), false,
     "BTNMUTEALL", "Mute all sound lines"},
    {skin::kBtnMuteRec, engine::SetMute(Line::Record), engine::GetMute(Line::Record),
     engine::NotifyMute(Line::Record), false, "BTNMUTEREC", "Mute the Record line"},
    {skin::kBtnMute, engine::SetMute(Line::SoundLines), engine::GetMute(Line::SoundLines),
     engine::NotifyMute(Line::SoundLines), false, "BTNMUTE", "Mute the sound"},
    {skin::kBtnMuteWav, engine::SetMute(Line::WaveOut), engine::GetMute(Line::WaveOut),
     engine::NotifyMute(Line::WaveOut), false, "BTNMUTEWAV", "Mute the Wave-Out line"},
};

// The row of a toggle slot; null for any other slot.
constexpr const EngineToggle* ToggleOf(int slot) {
  for (const EngineToggle& t : kEngineToggles)
    if (t.slot == slot) return &t;
  return nullptr;
}

}  // namespace vrx
