// The module windows registered with the engine. Notifications are posted,
// so a slow or hung module never holds the engine up; a window that no
// longer exists is dropped at the next notification.
#pragma once

#include <windows.h>

#include <vector>

namespace engine {

class ModuleWindows {
 public:
  static constexpr size_t kMaxWindows = 64;

  bool Register(HWND window);
  void Unregister(HWND window);
  void Post(UINT msg, WPARAM wParam, LPARAM lParam = 0);
  size_t size() const { return windows_.size(); }

 private:
  std::vector<HWND> windows_;
};

}  // namespace engine
