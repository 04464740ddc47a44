// The frame that shows a driver's own settings dialog before the tuner page
// lets the user go on: modeless, owned by the page, with the wizard's sheet
// disabled meanwhile and a message loop of its own.
#pragma once

#include <windows.h>

#include "wizard/tuner_module_win.h"

namespace wizard {

// A dialog of settings: its template in `module`, its procedure and the
// function that stores its values (may be null).
struct SettingsProvider {
  HINSTANCE module = nullptr;
  const char* dialogTemplate = nullptr;
  DLGPROC dialogProc = nullptr;
  void(KV_CALL* saveSettings)() = nullptr;
};

// Shows the provider's dialog in the frame until the user answers. True to
// go on (OK, after storing; or the loop ended another way), false to stay
// (Cancel).
bool ShowSettingsFrame(HWND page, const char* title, const SettingsProvider& provider);

}  // namespace wizard
