#include "player/engine/module_windows_win.h"

#include <algorithm>

namespace engine {

bool ModuleWindows::Register(HWND window) {
  if (!IsWindow(window)) return false;
  if (std::find(windows_.begin(), windows_.end(), window) != windows_.end()) return true;
  // Make room by dropping windows that went away without unregistering.
  std::erase_if(windows_, [](HWND w) { return !IsWindow(w); });
  if (windows_.size() >= kMaxWindows) return false;
  windows_.push_back(window);
  return true;
}

void ModuleWindows::Unregister(HWND window) { std::erase(windows_, window); }

void ModuleWindows::Post(UINT msg, WPARAM wParam, LPARAM lParam) {
  std::erase_if(windows_, [&](HWND w) { return !post_(w, msg, wParam, lParam) && !IsWindow(w); });
}

}  // namespace engine
