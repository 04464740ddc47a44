// What the key table, the wheel table and the buttons need of the engine's
// window and of the module, as interfaces: the Win32 side talks to the real
// window, native tests record.
#pragma once

#include <cstdint>

namespace vrx {

class EngineLink {
 public:
  virtual ~EngineLink() = default;
  virtual bool Exists() const = 0;
  // The engine's answer; 0 without an engine.
  virtual uint32_t Send(uint32_t message, uint32_t wParam = 0, uint32_t lParam = 0) = 0;
  // Nothing without an engine.
  virtual void Post(uint32_t message, uint32_t wParam = 0, uint32_t lParam = 0) = 0;
};

// The commands that leave the module or start it again.
class ModuleCommands {
 public:
  virtual ~ModuleCommands() = default;
  virtual void Quit() = 0;
  virtual void OpenSettings() = 0;
  virtual void OpenAlternativeModule() = 0;
  virtual void LaunchExternalApplication() = 0;
  virtual void OpenHelp(bool wholeHelp) = 0;
  virtual void OpenRecordingFolder() = 0;
  virtual void SwitchSkin(bool backward) = 0;
};

}  // namespace vrx
