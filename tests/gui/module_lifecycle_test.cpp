// How a run of Vrx.dll ends or starts again when others ask: a close sent
// from outside, the engine's requests arriving while a modal loop (the
// system menu) runs on the module's thread, and a burst of system setting
// changes.
#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <string>

#include "graphic/core/main_window_win.h"
#include "host/engine_messages.h"
#include "host/kv_ini.h"
#include "tests/gui/gui.h"

namespace {

constexpr char kSection[] = "Vrx";
constexpr char kClass[] = "QorvVarix";
constexpr char kMutex[] = "QorvVarixMutex";
constexpr char kMenuClass[] = "#32768";  // the system's popup menu window
constexpr UINT kPopupSystemMenu = 0x313;  // what the taskbar sends to open a window's system menu
constexpr int kW = 160, kH = 60;
// Windows spreads the notices of one change over a short while; the module
// waits for the end of such a burst, and this long after it all is quiet.
constexpr DWORD kBurstGapMs = 60;
constexpr DWORD kAfterBurstMs = 800;

// One run of the module against the recording engine, with a plain skin.
struct Run {
  gui::EngineWindow engine;
  std::unique_ptr<wintest::ModuleThread> module;
  HWND window = nullptr;

  Run() {
    const std::string bitmap = gui::WriteSkin(
        "plain", kW, kH, [](int x, int y) { return RGB(x & 0xFF, y & 0xFF, 90); },
        "[General]\nWidth=" + std::to_string(kW) + "\nHeight=" + std::to_string(kH) + "\n");
    KvIniSetString(kSection, "Skin", bitmap.c_str());
    KvIniSetDword(kSection, "Flags", 0x01);  // on top, no hiding
    module = std::make_unique<wintest::ModuleThread>("Vrx.dll");
    window = module->WaitWindow(kClass);
    module->WaitIdle();
  }

  // Registrations (lParam 1) the engine has seen: one per window built.
  size_t Registrations() const {
    size_t n = 0;
    for (const auto& m : engine.Messages(engine::kRegisterWindow)) n += m.lParam == 1;
    return n;
  }

  // Opens the main window's system menu, as the taskbar does, and waits
  // until its modal loop runs on the module's thread.
  bool OpenSystemMenu() const {
    const RECT r = gui::WindowRect(window);
    PostMessageA(window, kPopupSystemMenu, 0, MAKELPARAM(r.left + 5, r.top + 5));
    return wintest::WaitUntil([&] { return wintest::ThreadWindow(module->threadId(), kMenuClass) != nullptr; });
  }
};

GUI_SCENARIO(ModuleLifecycle, ACloseFromOutsideEndsTheModuleButNotThePlayer) {
  Run run;
  ASSERT_NE(run.window, nullptr);
  PostMessageA(run.window, WM_CLOSE, 0, 0);  // a task manager's "End task"
  ASSERT_TRUE(run.module->Finished(wintest::kDefaultWaitMs)) << "Activate went on without a window";
  const auto window = reinterpret_cast<uintptr_t>(run.window);
  EXPECT_TRUE(wintest::MatchesSequence(run.engine.Messages(),
                                       {wintest::Sent(engine::kRegisterWindow, window, 1),
                                        wintest::Sent(engine::kRegisterWindow, window, 0)},
                                       wintest::Only({engine::kRegisterWindow, engine::kExit})));
  // The single-instance mutex is gone with the run.
  HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, kMutex);
  EXPECT_EQ(mutex, nullptr);
  if (mutex) CloseHandle(mutex);
}

GUI_SCENARIO(ModuleLifecycle, TheEnginesRequestsReachTheModuleInsideAModalLoop) {
  Run run;
  ASSERT_NE(run.window, nullptr);
  ASSERT_EQ(run.Registrations(), 1u);

  // A starting engine while the menu is open: the module is built anew.
  ASSERT_TRUE(run.OpenSystemMenu());
  PostMessageA(run.window, RegisterWindowMessageA(engine::kEngineStartedName), 0, 0);
  ASSERT_TRUE(run.engine.WaitFor(engine::kRegisterWindow, 3)) << "the rebuild was lost in the menu";
  const HWND rebuilt = run.module->WaitWindow(kClass);
  ASSERT_NE(rebuilt, nullptr);
  EXPECT_NE(rebuilt, run.window);
  run.window = rebuilt;

  // The engine exiting while the menu is open: Activate returns.
  ASSERT_TRUE(run.module->WaitIdle());
  ASSERT_TRUE(run.OpenSystemMenu());
  PostMessageA(run.window, engine::kCloseModule, 0, 0);
  EXPECT_TRUE(run.module->Finished(wintest::kDefaultWaitMs)) << "the close was lost in the menu";
  EXPECT_TRUE(run.engine.Messages(engine::kExit).empty());
}

GUI_SCENARIO(ModuleLifecycle, ABurstOfSettingChangesRebuildsOnce) {
  Run run;
  ASSERT_NE(run.window, nullptr);
  // Windows tells every top-level window of several changes, one after the
  // other. Each goes straight to the module's window of the moment, so a
  // module that rebuilt at the first notice gets the others in its new window.
  constexpr const char* kAreas[] = {"Environment", "intl", "Policy"};
  DWORD before[std::size(kAreas)] = {}, after[std::size(kAreas)] = {};
  for (size_t i = 0; i < std::size(kAreas); ++i) {
    if (i > 0) Sleep(kBurstGapMs);  // paces the notices; nothing is checked after it
    before[i] = GetTickCount();
    // A stretched gap may have started a rebuild: the notice goes to the new
    // window once there is one.
    const bool sent = wintest::WaitUntil([&] {
      DWORD_PTR ignored = 0;
      const HWND now = wintest::ThreadWindow(run.module->threadId(), kClass);
      return now && SendMessageTimeoutA(now, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(kAreas[i]),
                                        SMTO_ABORTIFHUNG, wintest::kDefaultWaitMs, &ignored) != 0;
    });
    ASSERT_TRUE(sent) << kAreas[i];
    after[i] = GetTickCount();
  }
  // The gap the module saw between two notices is at most the time from
  // sending the first to the second's return. A stalled machine can stretch
  // a gap past the settling time, and then it rightly ends a burst.
  size_t bursts = 1;
  for (size_t i = 1; i < std::size(kAreas); ++i) bursts += after[i] - before[i - 1] >= vrx::kSettingsSettleMs;
  ASSERT_TRUE(run.engine.WaitFor(engine::kRegisterWindow, 3)) << "no rebuild";
  // Long past the burst's settling time on the module's own timers: a second
  // rebuild would have registered by now.
  ASSERT_TRUE(run.module->WaitRest(kAfterBurstMs));
  ASSERT_TRUE(run.module->WaitIdle());
  EXPECT_GE(run.Registrations(), 2u);
  EXPECT_LE(run.Registrations(), 1 + bursts) << "one rebuild per burst";
  EXPECT_FALSE(run.module->Finished());
}

}  // namespace
