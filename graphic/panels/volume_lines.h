// The six volume sliders: which engine line each one sets, by skin slot.
#pragma once

#include "graphic/core/skin_records.h"
#include "host/engine_messages.h"

namespace vrx {

struct VolumeLine {
  int slot;
  engine::Msg get;     // sent at creation
  engine::Msg set;     // posted on every change
  engine::Msg notice;  // wParam the engine's volume word
  bool twoChannels;    // left and right in the word's halves; else one plain value
  const char* tipKey;
  const char* tipDefault;
};

using engine::Line;
inline constexpr VolumeLine kVolumeLines[] = {
    {skin::kSldVolume, engine::GetVolume(Line::SoundLines), engine::SetVolume(Line::SoundLines),
     engine::NotifyVolume(Line::SoundLines), true, "VOLUME", "Change the sound volume"},
    {skin::kSldVolumeRec, engine::GetVolume(Line::Record), engine::SetVolume(Line::Record),
     engine::NotifyVolume(Line::Record), true, "VOLUMEREC", "Change volume of the Record line"},
    {skin::kSldVolumeWav, engine::GetVolume(Line::WaveOut), engine::SetVolume(Line::WaveOut),
     engine::NotifyVolume(Line::WaveOut), true, "VOLUMEWAV", "Change volume of the Wave-Out line"},
    {skin::kSldVolumeFM, engine::kGetFmVolume, engine::kSetFmVolume, engine::kNotifyFmVolume, false, "VOLUMEFM",
     "Change volume of the FM Tuner"},
    {skin::kSldVolumeRad, engine::GetVolume(Line::Radio), engine::SetVolume(Line::Radio),
     engine::NotifyVolume(Line::Radio), true, "VOLUMERAD", "Change volume of the Radio line"},
    {skin::kSldVolumeAll, engine::GetVolume(Line::All), engine::SetVolume(Line::All), engine::NotifyVolume(Line::All),
     true, "VOLUMEALL", "Change volume of all lines"},
};

// The row of a volume slot; null for any other slot.
constexpr const VolumeLine* VolumeLineOf(int slot) {
  for (const VolumeLine& v : kVolumeLines)
    if (v.slot == slot) return &v;
  return nullptr;
}

}  // namespace vrx
