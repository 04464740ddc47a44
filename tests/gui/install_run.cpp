#include "tests/gui/install_run.h"

#include <windows.h>

#include "tests/gui/launched.h"
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

// Test builds that live beside the test programs, copied where built: the
// module that counts its GDI objects and the 31-band equalizer stand-in.
constexpr const char* kTestDlls[] = {"VrxProbe.dll", "Tonal31.dll"};

std::string FileName(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

std::string Prepare() {
  static std::string folder;
  if (!folder.empty()) return folder;
  const std::string target = wintest::TempFolder() + "install\\";
  const std::string source = wintest::InstallFolder();
  CreateDirectoryA(target.c_str(), nullptr);
  CreateDirectoryA((target + kSkinFolder).c_str(), nullptr);
  bool ok = CopyFileA(wintest::ExePath().c_str(), (target + FileName(wintest::ExePath())).c_str(), FALSE) != 0;
  if (!source.empty()) {
    ok &= CopyMatching(source, target, "*.exe");  // the host and menu program among them
    ok &= CopyMatching(source, target, "*.dll");
    ok &= CopyMatching(source, target, "*.lng");
    ok &= CopyMatching(source + kSkinFolder + "\\", target + kSkinFolder + "\\", "*.*");
  }
  for (const char* dll : kTestDlls) CopyFileA((wintest::ExeFolder() + dll).c_str(), (target + dll).c_str(), FALSE);
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
  ClearSystemStandIns();
  SetEnvironmentVariableA(kInsideVariable, "1");
  wintest::Process copy(folder + FileName(wintest::ExePath()), {"--gtest_filter=" + testName}, folder);
  SetEnvironmentVariableA(kInsideVariable, nullptr);
  return copy.started() ? copy.Wait(kScenarioTimeoutMs) : -3;
}

}  // namespace gui
