// Waits, within a time limit, until a top-level window of a class exists and
// the thread that owns it has gone idle: the demo starts the graphic module
// once the engine's window is up, and takes its screenshot once the module's
// window has been built and painted, instead of sleeping a guessed time.
//   demo_wait_window CLASS [TIMEOUT_MS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "host/win_handle.h"

namespace {

constexpr DWORD kDefaultTimeoutMs = 30000;
// How often the window list is looked at while the window does not exist yet.
constexpr DWORD kPollMs = 20;

enum ExitCode : int { kReady = 0, kNoWindow = 1, kBusy = 2, kUsage = 3 };

class Deadline {
 public:
  explicit Deadline(DWORD ms) : start_(GetTickCount()), ms_(ms) {}
  DWORD Remaining() const {
    DWORD spent = GetTickCount() - start_;
    return spent >= ms_ ? 0 : ms_ - spent;
  }

 private:
  DWORD start_;
  DWORD ms_;
};

HWND WaitForWindow(const char* windowClass, const Deadline& deadline) {
  for (;;) {
    if (HWND window = FindWindowA(windowClass, nullptr)) return window;
    DWORD left = deadline.Remaining();
    if (left == 0) return nullptr;
    Sleep(left < kPollMs ? left : kPollMs);
  }
}

// Idle means the owner's process has waited for input with nothing queued
// (so creation, showing and the first paint are done), and the owner thread
// itself answers a sent message: its message loop is running.
bool WaitUntilIdle(HWND window, const Deadline& deadline) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  kv::KernelHandle process(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId));
  if (process && WaitForInputIdle(process.get(), deadline.Remaining()) == WAIT_TIMEOUT) return false;
  DWORD_PTR answer = 0;
  return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                             deadline.Remaining(), &answer) != 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: demo_wait_window CLASS [TIMEOUT_MS]\n");
    return kUsage;
  }
  const char* windowClass = argv[1];
  Deadline deadline(argc == 3 ? std::strtoul(argv[2], nullptr, 10) : kDefaultTimeoutMs);
  HWND window = WaitForWindow(windowClass, deadline);
  if (!window) {
    std::fprintf(stderr, "no window of class %s appeared\n", windowClass);
    return kNoWindow;
  }
  if (!WaitUntilIdle(window, deadline)) {
    std::fprintf(stderr, "the window of class %s did not go idle\n", windowClass);
    return kBusy;
  }
  return kReady;
}
