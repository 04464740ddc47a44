// The module's main window for one skin run. For now a plain hidden window of
// the module's class, as big as the skin, so that the run loop, the
// single-instance rule and restarts work; the skinned window with its
// controls takes this place.
#pragma once

#include <windows.h>

namespace vrx {

class MainWindow {
 public:
  MainWindow() = default;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;
  ~MainWindow() { Destroy(); }

  // Registers the class (reusing one left from an earlier run) and creates
  // the window from the module state's skin. False when it cannot be made.
  bool Create();
  void Destroy();
  HWND handle() const { return window_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND window_ = nullptr;
};

// Removes the module's window class; called when Activate ends, because a
// class registered by a DLL outlives the DLL's unloading otherwise.
void UnregisterMainWindowClass();

}  // namespace vrx
