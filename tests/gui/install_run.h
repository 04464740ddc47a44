// GUI scenarios run inside an install folder of their own: a copy of the
// test program beside a stand-in KvEngine.exe, the suite's DLLs and the
// skin folder Varix, as a user's player folder holds them. A module looks
// for all of these beside the program that loaded it.
//
//   GUI_SCENARIO(MainWindow, OpensAtTheStoredPlace) { ... body ... }
//
// The test itself starts the copy with only this test selected and fresh
// settings (KVINI_ROOT), and passes when the copy passes; the body runs in
// the copy.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace gui {

// True inside the copy that runs a scenario's body.
bool InsideInstall();

// The install folder of this test program (prepared on first use), with a
// trailing backslash; inside the copy, the folder of the running program.
std::string Install();

// Prepares the folder and runs the named test there under fresh settings;
// returns the copy's exit code (0 when its test passed).
int RunInInstall(const std::string& testName);

}  // namespace gui

#define GUI_SCENARIO(suite, name)                                           \
  static void suite##_##name##_Body();                                      \
  TEST(suite, name) {                                                       \
    if (!gui::InsideInstall()) {                                            \
      EXPECT_EQ(0, gui::RunInInstall(#suite "." #name)) << "scenario failed"; \
      return;                                                               \
    }                                                                       \
    suite##_##name##_Body();                                                \
  }                                                                         \
  static void suite##_##name##_Body()
