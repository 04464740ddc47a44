// The engine's real-time sound thread: the receiver's sound through the
// input stages, the time shift, the plug-ins, the recorder and the output
// stages to the wave-out device (or, without one, paced by the clock).
// The window thread hands it the state after every change; it reports the
// delay a frozen buffer has played out to by posting to the window.
#pragma once

#include <windows.h>

#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "host/win_handle.h"
#include "player/engine/engine_state.h"
#include "player/engine/recorder_win.h"
#include "player/engine/wav_file.h"

namespace engine {

// Posted to the engine window: wParam = the delay now heard, in seconds.
inline constexpr UINT kPlayedToMessage = WM_APP + 1;

struct SoundSetup {
  HWND window = nullptr;
  std::string folder;  // where the plug-ins are
  std::vector<std::string> plugins;
  size_t framesPerBlock = 2048;
  uint32_t timeShiftSeconds = kDefaultTimeShiftSeconds;
  std::optional<WavAudio> programme;  // played on every station instead
};

class SoundThread {
 public:
  SoundThread(SoundSetup setup, const SoundControls& controls, Recorder& recorder);
  ~SoundThread();  // stops the thread; the plug-ins are cleaned up and unloaded
  SoundThread(const SoundThread&) = delete;
  SoundThread& operator=(const SoundThread&) = delete;

  void SetControls(const SoundControls& controls);
  void SetPlugins(std::vector<std::string> names);

 private:
  void Run();

  SoundSetup setup_;
  Recorder& recorder_;
  kv::KernelHandle stop_;
  std::mutex lock_;
  SoundControls controls_;
  std::vector<std::string> plugins_;
  uint32_t pluginsGeneration_ = 0;
  std::thread thread_;
};

}  // namespace engine
