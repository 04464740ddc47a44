// The engine's main window, class "TavrinFMPlayerWndClass": it forwards
// every message of the protocol to the core, carries out what the core asks
// of it (registered windows, caller memory, recording, exit), keeps the
// sound thread in step with the state, and watches the stored station and
// filter lists for changes.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "player/engine/engine_state.h"
#include "player/engine/module_windows_win.h"
#include "player/engine/protocol.h"
#include "player/engine/recorder_win.h"
#include "player/engine/sound_thread_win.h"

namespace engine {

struct EngineOptions {
  std::string folder;                 // the program folder, with its backslash
  std::optional<WavAudio> programme;  // a WAV file to play on every station
};

class EngineWindow final : public EnginePeer {
 public:
  explicit EngineWindow(EngineOptions options);
  ~EngineWindow() override;
  EngineWindow(const EngineWindow&) = delete;
  EngineWindow& operator=(const EngineWindow&) = delete;

  bool Create(HINSTANCE instance);
  HWND hwnd() const { return hwnd_; }

  // EnginePeer
  bool ReadCaller(uint32_t processId, uintptr_t address, void* out, size_t size) override;
  bool WriteCaller(uint32_t processId, uintptr_t address, const void* data, size_t size) override;
  bool CallerWaits() override;
  void Notify(const Notification& n) override;
  bool Register(uintptr_t window, bool on) override;
  void Exit() override;
  bool StartRecording() override;
  void StopRecording() override;
  std::string RecordPath() override;
  uint32_t RecordSeconds() override;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT msg, WPARAM wParam, LPARAM lParam);
  void CheckSettings();
  void AfterChange();
  void AnnounceStart();

  EngineOptions options_;
  HWND hwnd_ = nullptr;
  UINT equalizerSettings_ = 0;
  UINT engineStarted_ = 0;
  std::vector<uint8_t> storedStations_;
  std::vector<uint8_t> storedFilters_;
  std::unique_ptr<EngineState> state_;
  std::unique_ptr<Protocol> protocol_;
  ModuleWindows modules_;
  Recorder recorder_;
  std::unique_ptr<SoundThread> sound_;
  uint32_t savedFrequency_ = 0;
};

}  // namespace engine
