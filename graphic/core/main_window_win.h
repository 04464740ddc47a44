// The module's main window for one skin run: a borderless layered pop-up as
// big as the skin, painted from the skin bitmap with the controls on top.
// It is dragged by its background, keeps a strip of itself on screen, snaps
// to the frame's edges, slides out of sight at an edge when the mouse
// leaves, and takes one opacity in the foreground and another behind.
#pragma once

#include <windows.h>

#include "graphic/core/auto_hide.h"
#include "graphic/core/control_table_win.h"
#include "graphic/core/window_geometry.h"

namespace vrx {

// Windows sends several setting changes at once; one rebuild follows the
// last of them, once none has come for this long.
inline constexpr UINT kSettingsSettleMs = 250;

class MainWindow {
 public:
  MainWindow() = default;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;
  ~MainWindow() { Destroy(); }

  // Registers the class (reusing one left from an earlier run), creates the
  // window from the module state's skin and builds its controls with the
  // factory. False only when the window cannot be made.
  bool Create(ControlFactory factory);
  // Destroys the controls, the tooltip and the window.
  void Destroy();
  HWND handle() const { return window_; }

  // Timer numbers of the main window.
  static constexpr UINT kHideCheckTimer = 1;
  static constexpr UINT kMoveTimer = 2;
  static constexpr UINT kSettleTimer = 4;  // rebuild after a burst of setting changes

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  Rect Frame() const;
  Rect WindowRectNow() const;
  WindowMetrics Metrics() const;
  AutoHide::View HideView() const;
  void ApplyOpacity();
  void Apply(const HideActions& actions);
  void HideTrigger();
  void StartShowing();
  void DragTo(POINT client, bool shift);
  void EndDrag();

  using SetLayeredFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

  HWND window_ = nullptr;
  BYTE alpha_ = 180;
  BYTE activeAlpha_ = 240;
  SetLayeredFn setLayered_ = nullptr;
  POINT grab_{};
  SnapState snap_;
  AutoHide hide_;
};

// Removes the module's window class; called when Activate ends, because a
// class registered by a DLL outlives the DLL's unloading otherwise.
void UnregisterMainWindowClass();

}  // namespace vrx
