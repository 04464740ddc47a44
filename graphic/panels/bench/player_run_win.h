// The player as the Wine benchmarks of the graphic module run it:
// KvEngine.exe and "KvGUI.exe p Vrx.dll" from the install folder (the
// current folder) under settings of their own, and the host's CPU time.
//
// Wine does not keep another process's CPU times (GetProcessTimes answers
// zeros or a stale figure), so under Wine the host is found as a Linux
// process (its command line names the host in this install folder) and
// measured by the kernel's counters.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "filters/analyzer/bench/linux_proc_win.h"
#include "host/engine_messages.h"
#include "host/win_handle.h"
#include "tests/support/wait.h"

namespace bench {

inline constexpr DWORD kStartMs = 20000, kExitMs = 10000;
inline constexpr char kModuleClass[] = "QorvVarix";
inline constexpr char kDefaultSkin[] = "Nightfall.bmp";

inline bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The install folder with a trailing backslash, once every file is in it.
inline std::string InstallFolder(std::initializer_list<const char*> files) {
  char current[MAX_PATH + 1] = {};
  GetCurrentDirectoryA(MAX_PATH, current);
  const std::string folder = std::string(current) + "\\";
  for (const char* file : files) {
    if (!Exists(folder + file)) {
      std::printf("error: %s not in %s\n", file, folder.c_str());
      return {};
    }
  }
  return folder;
}

// Settings of this run only (KVINI_ROOT for this process and its children),
// removed at the end.
struct IsolatedSettings {
  std::string root = "Software\\TavrinBench\\" + std::to_string(GetCurrentProcessId()) + "-" +
                     std::to_string(GetTickCount());
  IsolatedSettings() { SetEnvironmentVariableA("KVINI_ROOT", root.c_str()); }
  ~IsolatedSettings() {
    RegDeleteTreeA(HKEY_CURRENT_USER, root.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, root.c_str());
  }
};

// A program started from the install folder; null when it could not start.
inline kv::KernelHandle StartProcess(const std::string& folder, const std::string& commandLine) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::string command = commandLine;
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi))
    return {};
  const kv::KernelHandle thread(pi.hThread);
  return kv::KernelHandle(pi.hProcess);
}

// Waits for a program asked to end, and ends it when it does not.
inline void StopProcess(kv::KernelHandle& process) {
  if (!process) return;
  if (WaitForSingleObject(process.get(), kExitMs) != WAIT_OBJECT_0) TerminateProcess(process.get(), 1);
  process.reset();
}

// The first top-level window of the class, once there is one.
inline HWND WaitWindow(const char* className) {
  HWND found = nullptr;
  wintest::WaitUntil([&] { return (found = FindWindowA(className, nullptr)) != nullptr; }, kStartMs);
  return found;
}

class PlayerRun {
 public:
  explicit PlayerRun(const std::string& folder) {
    engine_ = StartProcess(folder, "\"" + folder + "KvEngine.exe\"");
    engineWindow = engine_ ? WaitWindow(engine::kWindowClass) : nullptr;
    if (engineWindow) host_ = StartProcess(folder, "\"" + folder + "KvGUI.exe\" p Vrx.dll");
    module = host_ ? WaitWindow(kModuleClass) : nullptr;
    const std::vector<std::string> pids = LinuxPidsHolding("cmdline", {folder + "KvGUI.exe"});
    if (pids.size() == 1) linuxPid_ = pids[0];
  }
  PlayerRun(const PlayerRun&) = delete;
  PlayerRun& operator=(const PlayerRun&) = delete;
  ~PlayerRun() {
    if (engineWindow) PostMessageA(engineWindow, engine::kExit, 0, 0);  // closes the module too
    StopProcess(host_);
    StopProcess(engine_);
  }

  // CPU seconds of the host so far; negative when they cannot be read.
  double CpuSeconds() const {
    if (!linuxPid_.empty()) return LinuxProcessCpuSeconds(linuxPid_);
    FILETIME c, e, k, u;
    return GetProcessTimes(host_.get(), &c, &e, &k, &u) ? (Ticks(k) + Ticks(u)) / 1e7 : -1;
  }
  const char* CpuSource() const { return linuxPid_.empty() ? "process-times" : "linux-proc-stat"; }

  HWND engineWindow = nullptr;
  HWND module = nullptr;

 private:
  static uint64_t Ticks(FILETIME f) { return (static_cast<uint64_t>(f.dwHighDateTime) << 32) | f.dwLowDateTime; }

  kv::KernelHandle engine_;
  kv::KernelHandle host_;
  std::string linuxPid_;
};

}  // namespace bench
