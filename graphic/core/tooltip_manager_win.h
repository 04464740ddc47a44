// The one tooltip of the main window: a tracking tip that shows a control's
// text after the mouse has rested on it for 500 ms, 15 pixels right of and
// below the cursor.
#pragma once

#include <windows.h>

namespace vrx {

class ControlTable;

class TooltipManager {
 public:
  explicit TooltipManager(ControlTable& table) : table_(table) {}
  TooltipManager(const TooltipManager&) = delete;
  TooltipManager& operator=(const TooltipManager&) = delete;
  ~TooltipManager() { Destroy(); }

  // The tooltip window, owned by the main window, with one tool covering it.
  bool Create(HWND owner, int width, int height);
  void Destroy();

  void Show(int slot);
  void Hide();
  // Runs after every message the main window dispatched to its controls.
  void Step(UINT message, WPARAM wParam, LPARAM lParam);

  bool shown() const { return shown_; }
  int slot() const { return slot_; }
  HWND window() const { return tip_; }

 private:
  int Hover(int slot) const;
  void MoveToMouse();

  ControlTable& table_;
  HWND owner_ = nullptr;
  HWND tip_ = nullptr;
  bool shown_ = false;
  int slot_ = -1;
  POINT rest_{};
};

}  // namespace vrx
