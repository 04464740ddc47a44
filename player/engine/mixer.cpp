#include "player/engine/mixer.h"

#include "player/engine/audio_format.h"

namespace engine {
namespace {

void Stage(StereoGain& g, const LineState& s) {
  if (s.mute) {
    g = {0.0f, 0.0f};
    return;
  }
  g.left *= static_cast<float>(s.left) / kMaxVolume;
  g.right *= static_cast<float>(s.right) / kMaxVolume;
}

const LineState& LineOf(const SoundControls& c, Line l) { return c.lines[static_cast<uint32_t>(l)]; }

}  // namespace

StereoGain InputGain(const SoundControls& c) {
  StereoGain g;
  Stage(g, LineState{c.fmMute, c.fmVolume, c.fmVolume});
  Stage(g, LineOf(c, Line::Radio));
  Stage(g, LineOf(c, Line::Record));
  return g;
}

StereoGain OutputGain(const SoundControls& c) {
  StereoGain g;
  Stage(g, LineOf(c, Line::WaveOut));
  Stage(g, LineOf(c, Line::All));
  Stage(g, LineOf(c, Line::SoundLines));
  return g;
}

void ApplyGain(int16_t* frames, size_t count, StereoGain g) {
  if (g.left == 1.0f && g.right == 1.0f) return;
  for (size_t i = 0; i < count; ++i) {
    frames[2 * i] = ClampSample(frames[2 * i] * g.left);
    frames[2 * i + 1] = ClampSample(frames[2 * i + 1] * g.right);
  }
}

void MixToMono(int16_t* frames, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const int16_t m = static_cast<int16_t>((frames[2 * i] + frames[2 * i + 1]) / 2);
    frames[2 * i] = frames[2 * i + 1] = m;
  }
}

}  // namespace engine
