// How long the engine's sound path takes for one block of the default
// length, without plug-ins: the generated programme, the input gains, the
// time shift one second behind. Prints "name: value" lines.
#include <chrono>
#include <cstdio>
#include <vector>

#include "player/engine/audio_format.h"
#include "player/engine/mixer.h"
#include "player/engine/plugin_list.h"
#include "player/engine/programme.h"
#include "player/engine/time_shift.h"

int main() {
  using namespace engine;
  const size_t frames = BlockFrames(0);
  constexpr int kBlocks = 400;
  std::vector<int16_t> block(frames * kChannels);
  Receiver receiver(frames);
  receiver.Tune(101'700'000, Reception::Clear);
  TimeShift timeShift(kDefaultTimeShiftSeconds, kSampleRate);
  SoundControls controls;
  controls.fmVolume = 80;
  const TimeShiftControls delayed{1, 1, false};

  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kBlocks; ++i) {
    receiver.Render(block.data(), frames);
    ApplyGain(block.data(), frames, InputGain(controls));
    timeShift.Process(block.data(), frames, delayed);
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double perBlockUs = seconds * 1e6 / kBlocks;
  const double blockSeconds = static_cast<double>(frames) / kSampleRate;
  std::printf("engine_block_frames: %zu\n", frames);
  std::printf("engine_block_us: %.1f\n", perBlockUs);
  std::printf("engine_cpu_per_second_of_sound_percent: %.2f\n", 100.0 * perBlockUs / (blockSeconds * 1e6));
  std::printf("engine_checksum: %d\n", block[0] + block[frames]);
  return 0;
}
