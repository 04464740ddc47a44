// KvGUI.exe as the graphic modules start it: the right-click menu chosen
// by keyboard, and the module runner's refusals.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/wait.h"
#include "tests/support/windows_found.h"
#include "tests/support/wintest.h"

namespace {

constexpr DWORD kWaitMs = 15000;

// Runs KvGUI.exe from the install folder; meanwhile `act` gets its process
// id once. Returns the exit code, or -1 when it did not end in time.
int RunGui(const std::vector<std::string>& args, const std::function<void(DWORD)>& act = nullptr) {
  wintest::Process gui(wintest::InstallFolder() + "KvGUI.exe", args);
  if (!gui.started()) return -2;
  if (act) act(gui.id());
  return gui.Wait(kWaitMs);
}

HWND WaitForWindow(DWORD process, const char* className) {
  HWND found = nullptr;
  wintest::WaitUntil([&] { return (found = wintest::ProcessWindow(process, className)) != nullptr; }, kWaitMs);
  return found;
}

// Chooses in the menu of that process by the item's access key.
std::function<void(DWORD)> Press(WPARAM key, UINT msg = WM_CHAR) {
  return [=](DWORD process) {
    const HWND menu = WaitForWindow(process, wintest::kMenuClass);
    ASSERT_NE(menu, nullptr) << "no menu appeared";
    // Again while the menu stays open: a key that came before the menu's
    // own loop started is not seen by it.
    for (int tries = 0; tries < 20; ++tries) {
      PostMessageA(menu, msg, key, 0);
      if (wintest::WaitUntil([&] { return !IsWindow(menu) || !IsWindowVisible(menu); }, 500)) return;
    }
  };
}

TEST(KvGui, TheMenuAnswersWithTheCommandChosen) {
  EXPECT_EQ(RunGui({"m", "3", "Varix 2.39", "arg"}, Press('h')), 1) << "Help";
  EXPECT_EQ(RunGui({"m", "3", "Varix 2.39", "arg"}, Press('c')), 2) << "Close";
  EXPECT_EQ(RunGui({"m", "3", "Varix 2.39", ""}, Press(VK_ESCAPE, WM_KEYDOWN)), 0) << "dismissed";
}

TEST(KvGui, ModulesThatCannotRunAreRefused) {
  EXPECT_EQ(RunGui({}), 2);
  EXPECT_EQ(RunGui({"x", "Vrx.dll"}), 2);
  EXPECT_EQ(RunGui({"p"}), 2);
  EXPECT_EQ(RunGui({"p", "NoSuchModule.dll"}), 3);
  EXPECT_EQ(RunGui({"p", "KvIni.dll"}), 3) << "a library without the module exports";
  EXPECT_EQ(RunGui({"p", "..\\KvIni.dll"}), 2) << "only the program folder's modules";
}

TEST(KvGui, RunsAGraphicModuleUntilItsActivateReturns) {
  wintest::IsolatedSettings settings;  // no skin chosen: the module says so and ends
  bool boxShown = false;
  EXPECT_EQ(RunGui({"p", "Vrx.dll"},
                   [&](DWORD process) {
                     const HWND box = WaitForWindow(process, wintest::kMessageBoxClass);
                     boxShown = box != nullptr;
                     if (box) PostMessageA(box, WM_COMMAND, IDOK, 0);
                   }),
            0);
  EXPECT_TRUE(boxShown) << "the module ran inside the host";
  EXPECT_EQ(RunGui({"p", "Prismo.dll"}), 4) << "an audio filter is no graphic module";
}

}  // namespace
