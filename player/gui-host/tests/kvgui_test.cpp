// KvGUI.exe as the graphic modules start it: the right-click menu chosen
// by keyboard, and the module runner's refusals.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "player/engine/tests/engine_client.h"
#include "tests/support/wintest.h"

namespace {

constexpr DWORD kWaitMs = 15000;

// Runs KvGUI.exe from the install folder; meanwhile `act` gets its process
// id once. Returns the exit code, or -1 when it did not end in time.
int RunGui(const std::string& arguments, const std::function<void(DWORD)>& act = nullptr) {
  const std::string exe = wintest::InstallFolder() + "KvGUI.exe";
  std::string command = "\"" + exe + "\" " + arguments;
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -2;
  CloseHandle(pi.hThread);
  if (act) act(pi.dwProcessId);
  int code = -1;
  if (WaitForSingleObject(pi.hProcess, kWaitMs) == WAIT_OBJECT_0) {
    DWORD c = 0;
    GetExitCodeProcess(pi.hProcess, &c);
    code = static_cast<int>(c);
  } else {
    TerminateProcess(pi.hProcess, 99);
  }
  CloseHandle(pi.hProcess);
  return code;
}

HWND WaitForWindow(DWORD process, const char* className) {
  for (DWORD waited = 0; waited < kWaitMs; waited += 50) {
    if (const HWND w = enginetest::FindProcessWindow(process, className, true)) return w;
    Sleep(50);
  }
  return nullptr;
}

// Chooses in the menu of that process by the item's access key.
std::function<void(DWORD)> Press(WPARAM key, UINT msg = WM_CHAR) {
  return [=](DWORD process) {
    const HWND menu = WaitForWindow(process, "#32768");
    ASSERT_NE(menu, nullptr) << "no menu appeared";
    // Again while the menu stays open: a key that came before the menu's
    // own loop started is not seen by it.
    for (int tries = 0; tries < 20 && IsWindow(menu) && IsWindowVisible(menu); ++tries) {
      Sleep(100);
      PostMessageA(menu, msg, key, 0);
      Sleep(400);
    }
  };
}

TEST(KvGui, TheMenuAnswersWithTheCommandChosen) {
  EXPECT_EQ(RunGui("m 3 \"Varix 2.39\" \"arg\"", Press('h')), 1) << "Help";
  EXPECT_EQ(RunGui("m 3 \"Varix 2.39\" \"arg\"", Press('c')), 2) << "Close";
  EXPECT_EQ(RunGui("m 3 \"Varix 2.39\" \"\"", Press(VK_ESCAPE, WM_KEYDOWN)), 0) << "dismissed";
}

TEST(KvGui, ModulesThatCannotRunAreRefused) {
  EXPECT_EQ(RunGui(""), 2);
  EXPECT_EQ(RunGui("x Vrx.dll"), 2);
  EXPECT_EQ(RunGui("p"), 2);
  EXPECT_EQ(RunGui("p NoSuchModule.dll"), 3);
  EXPECT_EQ(RunGui("p KvIni.dll"), 3) << "a library without the module exports";
  EXPECT_EQ(RunGui("p ..\\KvIni.dll"), 2) << "only the program folder's modules";
}

TEST(KvGui, RunsAGraphicModuleUntilItsActivateReturns) {
  wintest::IsolatedSettings settings;  // no skin chosen: the module says so and ends
  bool boxShown = false;
  EXPECT_EQ(RunGui("p Vrx.dll",
                   [&](DWORD process) {
                     const HWND box = WaitForWindow(process, "#32770");
                     boxShown = box != nullptr;
                     if (box) PostMessageA(box, WM_COMMAND, IDOK, 0);
                   }),
            0);
  EXPECT_TRUE(boxShown) << "the module ran inside the host";
  EXPECT_EQ(RunGui("p Prismo.dll"), 4) << "an audio filter is no graphic module";
}

}  // namespace
