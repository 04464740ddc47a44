#include "graphic/panels/volume_slider_win.h"

#include <algorithm>

#include "graphic/core/engine_window_link_win.h"
#include "host/kv_lang.h"

namespace vrx {
namespace {
constexpr int32_t kMaxVolume = 100;
}

VolumeSlider::VolumeSlider(const VolumeLine& line, const skin::SkinSliderRecord& record)
    : Slider(record), line_(line), tip_(KvLangString(line.tipKey, line.tipDefault)) {
  EngineWindowLink link;
  uint32_t volume = 0;
  if (link.Exists()) {
    const uint32_t word = link.Send(line.get);
    volume = line.twoChannels ? LargerHalf(word) : word;
  }
  // Held to the range first: a 32-bit answer above it reads as full.
  SetValue(0, kMaxVolume, static_cast<int32_t>(std::min<uint32_t>(volume, kMaxVolume)));
}

bool VolumeSlider::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == line_.notice) SetValue(0, kMaxVolume, static_cast<int32_t>(LargerHalf(static_cast<uint32_t>(wParam))));
  return Slider::HandleMessage(message, wParam, lParam, result);
}

void VolumeSlider::ValueChanged() {
  EngineWindowLink link;
  if (!link.Exists()) return;
  // A slider that cannot move has no volume to tell.
  const std::optional<uint32_t> volume = VolumeOf(Value());
  if (!volume) return;
  link.Post(line_.set, line_.twoChannels ? BothHalves(*volume) : *volume);
}

}  // namespace vrx
