#include "player/engine/sound_thread_win.h"

#include <memory>

#include "player/engine/audio_format.h"
#include "player/engine/filter_chain.h"
#include "player/engine/mixer.h"
#include "player/engine/plugin_host_win.h"
#include "player/engine/programme.h"
#include "player/engine/time_shift.h"
#include "player/engine/wave_out_win.h"

namespace engine {
namespace {

// Keeps the block rate by the performance counter when nothing else does.
class BlockClock {
 public:
  BlockClock(size_t framesPerBlock, HANDLE stop) : stop_(stop), frames_(framesPerBlock) {
    QueryPerformanceFrequency(&frequency_);
    QueryPerformanceCounter(&start_);
  }
  // Waits until the next block is due; false when stopped meanwhile.
  bool Wait() {
    ++blocks_;
    const double due = static_cast<double>(blocks_ * frames_) / kSampleRate;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    const double elapsed = static_cast<double>(now.QuadPart - start_.QuadPart) / static_cast<double>(frequency_.QuadPart);
    if (elapsed > due + 1.0) {  // far behind (a stall): start counting afresh
      start_ = now;
      blocks_ = 0;
      return WaitForSingleObject(stop_, 0) != WAIT_OBJECT_0;
    }
    const DWORD ms = due > elapsed ? static_cast<DWORD>((due - elapsed) * 1000.0) : 0;
    return WaitForSingleObject(stop_, ms) != WAIT_OBJECT_0;
  }

 private:
  HANDLE stop_;
  size_t frames_;
  LARGE_INTEGER frequency_{}, start_{};
  uint64_t blocks_ = 0;
};

}  // namespace

SoundThread::SoundThread(SoundSetup setup, const SoundControls& controls, Recorder& recorder)
    : setup_(std::move(setup)),
      recorder_(recorder),
      stop_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
      controls_(controls),
      plugins_(setup_.plugins) {
  thread_ = std::thread([this] { Run(); });
}

SoundThread::~SoundThread() {
  SetEvent(stop_.get());
  if (thread_.joinable()) thread_.join();
}

void SoundThread::SetControls(const SoundControls& controls) {
  std::lock_guard<std::mutex> hold(lock_);
  controls_ = controls;
}

void SoundThread::SetPlugins(std::vector<std::string> names) {
  std::lock_guard<std::mutex> hold(lock_);
  plugins_ = std::move(names);
  ++pluginsGeneration_;
}

void SoundThread::Run() {
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
  const size_t frames = setup_.framesPerBlock;
  std::vector<int16_t> block(frames * kChannels);
  Receiver receiver(frames, setup_.programme ? &*setup_.programme : nullptr);
  setup_.programme.reset();  // the receiver keeps its own copy
  TimeShift timeShift(setup_.timeShiftSeconds, kSampleRate);
  FilterChain chain(frames);
  auto plugins = std::make_unique<PluginHost>(setup_.folder, setup_.plugins);
  uint32_t pluginsSeen = 0;
  WaveOut output(frames, stop_.get());
  BlockClock clock(frames, stop_.get());
  uint32_t lastReported = 0;

  for (;;) {
    SoundControls c;
    std::vector<std::string> newPlugins;
    bool reload = false;
    {
      std::lock_guard<std::mutex> hold(lock_);
      c = controls_;
      if (pluginsGeneration_ != pluginsSeen) {
        pluginsSeen = pluginsGeneration_;
        newPlugins = plugins_;
        reload = true;
      }
    }
    if (reload) {
      chain.Stop(plugins->plugins());
      plugins.reset();
      plugins = std::make_unique<PluginHost>(setup_.folder, newPlugins);
    }

    receiver.Tune(c.broadcast, c.reception);
    receiver.Render(block.data(), frames);
    ApplyGain(block.data(), frames, InputGain(c));
    if (c.forcedMono) MixToMono(block.data(), frames);

    const uint32_t heard = timeShift.Process(block.data(), frames, {c.timeShift, c.timeShiftCommand, c.freeze});
    if (!c.freeze) lastReported = c.timeShift;
    if (c.freeze && heard != c.timeShift && heard != lastReported) {
      lastReported = heard;
      PostMessageA(setup_.window, kPlayedToMessage, heard, 0);
    }

    if (c.advanced)
      chain.Run(plugins->plugins(), block.data());
    else
      chain.Stop(plugins->plugins());
    recorder_.Write(block.data(), frames);

    ApplyGain(block.data(), frames, OutputGain(c));
    const bool played = output.open() && output.Play(block.data());
    if (WaitForSingleObject(stop_.get(), 0) == WAIT_OBJECT_0) break;
    if (!played && !clock.Wait()) break;
  }
  chain.Stop(plugins->plugins());
}

}  // namespace engine
