// The module windows registered with the engine. Notifications are posted,
// so a slow or hung module never holds the engine up; a window that no
// longer exists is dropped at the next notification. One that exists stays,
// even when a post fails (its queue is full): it may catch up.
#pragma once

#include <windows.h>

#include <vector>

namespace engine {

class ModuleWindows {
 public:
  static constexpr size_t kMaxWindows = 64;
  // How a notification is posted: PostMessageA, unless a test stands in for
  // a failure it cannot bring about (Wine's queues never fill up).
  using PostFunction = BOOL(WINAPI*)(HWND, UINT, WPARAM, LPARAM);

  explicit ModuleWindows(PostFunction post = PostMessageA) : post_(post) {}

  bool Register(HWND window);
  void Unregister(HWND window);
  void Post(UINT msg, WPARAM wParam, LPARAM lParam = 0);
  size_t size() const { return windows_.size(); }

 private:
  PostFunction post_;
  std::vector<HWND> windows_;
};

}  // namespace engine
