// The engine window's message table: each command or query of a module is
// turned into a change of the engine state or an answer, and the resulting
// notifications go out through the peer. The Win32 window only forwards.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "player/engine/engine_state.h"

namespace engine {

// What the window around the protocol provides.
class EnginePeer {
 public:
  virtual ~EnginePeer() = default;
  // Copies from or into the memory of the process with this identifier;
  // false when the process or the address cannot be reached.
  virtual bool ReadCaller(uint32_t processId, uintptr_t address, void* out, size_t size) = 0;
  virtual bool WriteCaller(uint32_t processId, uintptr_t address, const void* data, size_t size) = 0;
  // True while the message being handled was sent and its sender waits for
  // the answer: only then is a record it named sure to still be there.
  virtual bool CallerWaits() = 0;
  virtual void Notify(const Notification& n) = 0;  // to every registered module window
  virtual bool Register(uintptr_t window, bool on) = 0;
  virtual void Exit() = 0;
  virtual bool StartRecording() = 0;  // false when no file could be made
  virtual void StopRecording() = 0;
  // The file being recorded, else the last one, else the next one's name.
  virtual std::string RecordPath() = 0;
  virtual uint32_t RecordSeconds() = 0;
};

class Protocol {
 public:
  // equalizerSettings: the number of the registered "EqualizerSettings".
  Protocol(EngineState& state, EnginePeer& peer, Msg equalizerSettings);

  // The answer to a message of the protocol, or nothing for any other.
  std::optional<uintptr_t> Handle(Msg msg, uintptr_t wParam, uintptr_t lParam);
  void Send(const Notifications& n);

 private:
  uintptr_t FillStation(uintptr_t processId, uintptr_t address, const std::optional<StationInfo>& station);
  uintptr_t StationByFrequency(uintptr_t processId, uintptr_t address);
  uintptr_t StationByPreset(uintptr_t processId, uintptr_t address);
  uintptr_t Recording(bool on);
  uintptr_t RecordPath(uintptr_t processId, uintptr_t address);
  uintptr_t TuneTo(const std::optional<StationInfo>& station);

  EngineState& state_;
  EnginePeer& peer_;
  Msg equalizerSettings_;
};

}  // namespace engine
