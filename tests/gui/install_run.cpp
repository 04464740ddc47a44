#include "tests/gui/install_run.h"

#include <windows.h>

#include "tests/support/wintest.h"

namespace gui {
namespace {

constexpr char kInsideVariable[] = "TAVRIN_GUI_INSIDE";
constexpr char kEngineFile[] = "KvEngine.exe";
constexpr char kSkinFolder[] = "Varix";
constexpr DWORD kScenarioTimeoutMs = 120000;

bool CopyMatching(const std::string& from, const std::string& to, const char* pattern) {
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((from + pattern).c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return true;  // nothing to copy
  bool ok = true;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    ok &= CopyFileA((from + found.cFileName).c_str(), (to + found.cFileName).c_str(), FALSE) != 0;
  } while (FindNextFileA(find, &found));
  FindClose(find);
  return ok;
}

std::string ExePath() {
  char path[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

std::string FileName(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

std::string Prepare() {
  static std::string folder;
  if (!folder.empty()) return folder;
  const std::string target = wintest::TempFolder() + "install\\";
  const std::string source = wintest::InstallFolder();
  CreateDirectoryA(target.c_str(), nullptr);
  CreateDirectoryA((target + kSkinFolder).c_str(), nullptr);
  bool ok = CopyFileA(ExePath().c_str(), (target + FileName(ExePath())).c_str(), FALSE) != 0;
  if (!source.empty()) {
    ok &= CopyMatching(source, target, "*.exe");  // the host and menu program among them
    ok &= CopyMatching(source, target, "*.dll");
    ok &= CopyMatching(source, target, "*.lng");
    ok &= CopyMatching(source + kSkinFolder + "\\", target + kSkinFolder + "\\", "*.*");
  }
  // The modules only check that the engine's file is there; the recording
  // engine window of the test plays the engine.
  ok &= wintest::WriteFileText(target + kEngineFile, "MZ");
  if (ok) folder = target;
  return folder;
}

}  // namespace

bool InsideInstall() {
  char value[8] = {};
  return GetEnvironmentVariableA(kInsideVariable, value, sizeof value) > 0;
}

std::string Install() {
  if (InsideInstall()) return wintest::ExeFolder();
  return Prepare();
}

int RunInInstall(const std::string& testName) {
  const std::string folder = Prepare();
  if (folder.empty()) return -2;
  wintest::IsolatedSettings settings;
  const std::string exe = folder + FileName(ExePath());
  std::string command = "\"" + exe + "\" --gtest_filter=" + testName;
  SetEnvironmentVariableA(kInsideVariable, "1");
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  const BOOL started =
      CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi);
  SetEnvironmentVariableA(kInsideVariable, nullptr);
  if (!started) return -3;
  CloseHandle(pi.hThread);
  DWORD code = 0;
  if (WaitForSingleObject(pi.hProcess, kScenarioTimeoutMs) != WAIT_OBJECT_0) {
    TerminateProcess(pi.hProcess, 99);
    WaitForSingleObject(pi.hProcess, 5000);
    code = 99;
  } else {
    GetExitCodeProcess(pi.hProcess, &code);
  }
  CloseHandle(pi.hProcess);
  return static_cast<int>(code);
}

}  // namespace gui
