// Module-wide state: one instance per loaded module (each variant is its own
// DLL, so Vrx.dll and VrxB.dll in one process keep separate state). All of
// it belongs to the thread that runs Activate.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "graphic/core/skin_image_win.h"
#include "graphic/core/skin_records.h"

namespace vrx {

// Bits of the Flags setting.
enum ModuleFlag : uint32_t {
  kFlagTopmost = 0x01,         // always on top; the whole screen is the frame
  kFlagSnap = 0x02,            // snap to the frame's edges while dragging
  kFlagAutoHide = 0x04,        // hide at the frame's edges when the mouse leaves
  kFlagTaskbar = 0x08,         // application window with a taskbar button
  kFlagCloseAfterAltGui = 0x10,
  kFlagExitAfterExtApp = 0x20,
  kFlagNoTooltips = 0x40,
};
inline constexpr uint32_t kDefaultFlags = kFlagTopmost | kFlagSnap | kFlagAutoHide | kFlagCloseAfterAltGui;

// How a run of the module ends when its loop takes WM_QUIT.
enum class Ending { None, Close, Rebuild };

struct ModuleState {
  HINSTANCE instance = nullptr;   // set by the library entry point
  HWND engineWindow = nullptr;    // looked up whenever the main window is made
  UINT startedMessage = 0;        // registered "KvEngineStarted"
  std::string skinPath;           // description file of the loaded skin; empty without one
  SkinImage skinImage;            // the skin bitmap in its memory DC, for one skin run
  uint32_t flags = kDefaultFlags;
  POINT mouse{};                  // screen position of the last queued message
  skin::SkinDescription skin;     // what the description says, for one skin run
  Ending ending = Ending::None;   // what the next WM_QUIT asks for

  HDC skinDc() const { return skinImage.dc(); }
};

ModuleState& Module();

}  // namespace vrx
