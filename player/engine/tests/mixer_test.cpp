// The mixer's stages: which volumes and mutes act on the way in, which on
// the way out, and that full volume leaves samples untouched.
#include "player/engine/mixer.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

TEST(Mixer, InputStagesMultiplyAndAMuteSilences) {
  SoundControls c;
  EXPECT_EQ(InputGain(c).left, 1.0f);
  c.fmVolume = 50;
  c.lines[static_cast<int>(Line::Radio)].right = 50;
  c.lines[static_cast<int>(Line::WaveOut)].left = 0;  // an output stage
  EXPECT_FLOAT_EQ(InputGain(c).left, 0.5f);
  EXPECT_FLOAT_EQ(InputGain(c).right, 0.25f);
  EXPECT_FLOAT_EQ(OutputGain(c).left, 0.0f);
  EXPECT_FLOAT_EQ(OutputGain(c).right, 1.0f);

  c.lines[static_cast<int>(Line::Record)].mute = true;
  EXPECT_EQ(InputGain(c).left, 0.0f);
  EXPECT_EQ(InputGain(c).right, 0.0f);
  c = SoundControls{};
  c.fmMute = true;
  EXPECT_EQ(InputGain(c).right, 0.0f);
  c = SoundControls{};
  c.lines[static_cast<int>(Line::SoundLines)].mute = true;
  EXPECT_EQ(OutputGain(c).left, 0.0f);
  EXPECT_EQ(InputGain(c).left, 1.0f) << "the main mute leaves recording alone";
}

TEST(Mixer, GainsScaleClampAndMonoMixes) {
  int16_t frames[6] = {32767, -32768, 1001, -1001, 3, 5};
  ApplyGain(frames, 3, {1.0f, 1.0f});
  EXPECT_EQ(frames[0], 32767);
  EXPECT_EQ(frames[1], -32768);
  ApplyGain(frames, 3, {0.5f, 0.0f});
  EXPECT_EQ(frames[0], 16384);
  EXPECT_EQ(frames[1], 0);
  EXPECT_EQ(frames[2], 500);
  MixToMono(frames, 3);
  EXPECT_EQ(frames[4], frames[5]);
  EXPECT_EQ(frames[2], 250);
  int16_t loud[2] = {30000, -30000};
  ApplyGain(loud, 1, {2.0f, 2.0f});
  EXPECT_EQ(loud[0], 32767);
  EXPECT_EQ(loud[1], -32768);
}

}  // namespace
}  // namespace engine
