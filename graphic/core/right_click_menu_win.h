// The right-click menu is an outside program (KvGUI.exe). It runs on a
// short-lived thread that waits for it and posts its exit code back to the
// main window.
#pragma once

#include <windows.h>

namespace vrx {

// Message posted to the main window with the menu program's exit code in
// wParam (never 0).
inline constexpr UINT kRightClickResult = 0x2400;
inline constexpr WPARAM kRightClickHelp = 1;
inline constexpr WPARAM kRightClickClose = 2;

// Starts `KvGUI.exe m 3 "<module name>" "<argument>"` and returns at once;
// false when the thread could not be started.
bool StartRightClickMenu(HWND window, const char* moduleName, const char* argument);

}  // namespace vrx
