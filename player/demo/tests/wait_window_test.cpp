// The demo's wait tool, run as a real second process against windows of this
// test: it answers only once a window of the class exists and its thread
// pumps messages, and always within its time limit.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "host/win_handle.h"
#include "tests/support/wintest.h"

namespace {

constexpr DWORD kToolEndsWithinMs = 20000;  // far above every limit handed to the tool
constexpr DWORD kShortLimitMs = 600;
constexpr DWORD kLongLimitMs = 15000;
enum ToolExit : int { kReady = 0, kNoWindow = 1, kBusy = 2 };

std::string UniqueClass() {
  static int serial = 0;
  return "DemoWaitTest" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++serial);
}

class Tool {
 public:
  Tool(const std::string& windowClass, DWORD limitMs) {
    std::string exe = wintest::ExeFolder() + "..\\tools\\demo_wait_window.exe";
    std::string line = "\"" + exe + "\" " + windowClass + " " + std::to_string(limitMs);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (CreateProcessA(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
      kv::KernelHandle thread(pi.hThread);
      process_ = kv::KernelHandle(pi.hProcess);
    }
  }
  int ExitCode() {
    if (!process_ || WaitForSingleObject(process_.get(), kToolEndsWithinMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return static_cast<int>(code);
  }

 private:
  kv::KernelHandle process_;
};

LRESULT CALLBACK QuitOnDestroy(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(window, message, w, l);
}

// A window of its own class on a thread of its own, which starts pumping
// messages only when told to.
class WindowThread {
 public:
  explicit WindowThread(std::string windowClass)
      : class_(std::move(windowClass)),
        created_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
        pump_(CreateEventA(nullptr, TRUE, FALSE, nullptr)),
        thread_([this] { Run(); }) {
    WaitForSingleObject(created_.get(), INFINITE);
  }
  ~WindowThread() {
    StartPumping();
    PostMessageA(window_, WM_CLOSE, 0, 0);
    thread_.join();
    UnregisterClassA(class_.c_str(), GetModuleHandleA(nullptr));
  }
  void StartPumping() { SetEvent(pump_.get()); }

 private:
  void Run() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = QuitOnDestroy;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = class_.c_str();
    RegisterClassA(&wc);
    window_ = CreateWindowA(class_.c_str(), "", WS_POPUP, 0, 0, 16, 16, nullptr, nullptr, wc.hInstance, nullptr);
    SetEvent(created_.get());
    WaitForSingleObject(pump_.get(), INFINITE);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  }

  std::string class_;
  kv::KernelHandle created_, pump_;
  HWND window_ = nullptr;
  std::thread thread_;
};

TEST(DemoWaitWindow, WithoutSuchWindowItGivesUpAtItsLimit) {
  Tool tool(UniqueClass(), kShortLimitMs);
  EXPECT_EQ(tool.ExitCode(), kNoWindow);
}

TEST(DemoWaitWindow, AWindowWhoseThreadNeverPumpsIsNotReady) {
  std::string windowClass = UniqueClass();
  WindowThread window(windowClass);
  Tool tool(windowClass, kShortLimitMs);
  EXPECT_EQ(tool.ExitCode(), kBusy);
}

TEST(DemoWaitWindow, WaitsForAWindowThatComesLater) {
  std::string windowClass = UniqueClass();
  Tool tool(windowClass, kLongLimitMs);
  WindowThread window(windowClass);
  window.StartPumping();
  EXPECT_EQ(tool.ExitCode(), kReady);
}

TEST(DemoWaitWindow, WaitsUntilTheWindowsThreadPumps) {
  std::string windowClass = UniqueClass();
  WindowThread window(windowClass);
  Tool tool(windowClass, kLongLimitMs);
  window.StartPumping();
  EXPECT_EQ(tool.ExitCode(), kReady);
}

}  // namespace
