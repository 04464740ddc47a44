// The main window of Vrx.dll in real use: place, styles, opacity, dragging,
// snapping, hiding at an edge, the engine's registration, the system menu
// and the background drawn from the skin.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "host/engine_messages.h"
#include "host/kv_ini.h"
#include "host/settings.h"
#include "tests/gui/gui.h"

namespace {

constexpr char kSection[] = "Vrx";
constexpr char kClass[] = "QorvVarix";
constexpr int kW = 200, kH = 80;

// Flags bits as the settings hold them.
constexpr uint32_t kTopmost = 0x01, kSnap = 0x02, kAutoHide = 0x04, kTaskbar = 0x08;

// A background no two neighbours share, so that a shifted copy shows.
COLORREF SkinPixel(int x, int y) { return RGB((x * 7) & 0xFF, (y * 13) & 0xFF, (x + y) & 0xFF); }

void UseSkin(const std::string& extraGeneral = "") {
  const std::string description = "[General]\nWidth=" + std::to_string(kW) + "\nHeight=" + std::to_string(kH) +
                                   "\n" + extraGeneral;
  const std::string bitmap = gui::WriteSkin("plain", kW + 40, kH + 40, SkinPixel, description);
  ASSERT_FALSE(bitmap.empty());
  KvIniSetString(kSection, "Skin", bitmap.c_str());
}

// One run of the module against the recording engine.
struct Run {
  gui::EngineWindow engine;
  std::unique_ptr<wintest::ModuleThread> module;
  HWND window = nullptr;

  Run() {
    module = std::make_unique<wintest::ModuleThread>("Vrx.dll");
    window = module->WaitWindow(kClass);
    module->WaitIdle();
  }
  RECT rect() const { return gui::WindowRect(window); }
};

POINT Screen() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

GUI_SCENARIO(MainWindow, OpensAtTheDefaultPlaceOrTheStoredOne) {
  UseSkin();
  {
    Run run;
    ASSERT_NE(run.window, nullptr);
    // Default Flags keep it on top with the whole screen as the frame.
    EXPECT_EQ(run.rect().left, Screen().x - kW - 100);
    EXPECT_EQ(run.rect().top, 50);
    EXPECT_EQ(run.rect().right - run.rect().left, kW);
    EXPECT_EQ(run.rect().bottom - run.rect().top, kH);
    const LONG_PTR style = gui::Style(run.window), ex = gui::ExStyle(run.window);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME));
    EXPECT_TRUE(ex & WS_EX_LAYERED);
    EXPECT_TRUE(ex & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(ex & WS_EX_APPWINDOW);
    EXPECT_TRUE(ex & WS_EX_TOPMOST);
    EXPECT_EQ(wintest::WindowText(run.window), "Tavrin FM Player - Varix 2.39");
    // The class carries the module's own small icon.
    const HICON icon = reinterpret_cast<HICON>(GetClassLongPtrA(run.window, GCLP_HICON));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour{};
    EXPECT_TRUE(info.hbmColor && GetObjectA(info.hbmColor, sizeof colour, &colour));
    EXPECT_EQ(colour.bmWidth, 16);
    EXPECT_EQ(colour.bmHeight, 16);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
  }
  KvIniSetDword(kSection, "X", static_cast<uint32_t>(-150));  // 50 pixels still showing
  KvIniSetDword(kSection, "Y", 40);
  KvIniSetDword(kSection, "Flags", kSnap | kTaskbar);
  {
    Run run;
    EXPECT_EQ(run.rect().left, -150);
    EXPECT_EQ(run.rect().top, 40);
    EXPECT_TRUE(gui::ExStyle(run.window) & WS_EX_APPWINDOW);
    EXPECT_FALSE(gui::ExStyle(run.window) & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(gui::ExStyle(run.window) & WS_EX_TOPMOST);
  }
  // Fewer than MinVisibleLeft pixels left on screen: the default place.
  KvIniSetDword(kSection, "X", static_cast<uint32_t>(Screen().x - 9));
  {
    Run run;
    EXPECT_EQ(run.rect().top, 50);
    EXPECT_LT(run.rect().left, Screen().x - kW);
  }
}

GUI_SCENARIO(MainWindow, OpacityFollowsTheForegroundAndTheColourKeyTheSkin) {
  UseSkin("TransparentColor=#FF00FF\n");
  KvIniSetDword(kSection, "Alpha", 300);  // out of range: the default 180
  KvIniSetDword(kSection, "AlphaActive", 222);
  Run run;
  ASSERT_NE(run.window, nullptr);
  ASSERT_TRUE(wintest::WaitUntil([&] { return GetForegroundWindow() == run.window; }));
  auto layered = gui::LayeredAttributes(run.window);
  ASSERT_TRUE(layered.has_value());
  EXPECT_EQ(layered->alpha, 222);
  EXPECT_EQ(layered->flags, static_cast<DWORD>(LWA_COLORKEY | LWA_ALPHA));
  EXPECT_EQ(layered->key, RGB(255, 0, 255));
  ASSERT_TRUE(run.engine.ActivateOther());
  ASSERT_TRUE(run.module->WaitIdle());
  layered = gui::LayeredAttributes(run.window);
  ASSERT_TRUE(layered.has_value());
  EXPECT_EQ(layered->alpha, 180);
}

GUI_SCENARIO(MainWindow, RegistersWithTheEngineAndUnregistersAtTheEnd) {
  UseSkin();
  gui::EngineWindow engine;
  wintest::ModuleThread module("Vrx.dll");
  const auto window = reinterpret_cast<uintptr_t>(module.WaitWindow(kClass));
  ASSERT_NE(window, 0u);
  EXPECT_TRUE(module.Close());
  // Ending the module leaves the player running: no exit request.
  EXPECT_TRUE(wintest::MatchesSequence(
      engine.Messages(),
      {wintest::Sent(engine::kRegisterWindow, window, 1), wintest::Sent(engine::kRegisterWindow, window, 0)},
      wintest::Only({engine::kRegisterWindow, engine::kExit})));
}

GUI_SCENARIO(MainWindow, SystemMenuOffersRestoreMinimizeCloseAndCloseExitsThePlayer) {
  UseSkin();
  Run run;
  ASSERT_NE(run.window, nullptr);
  HMENU menu = GetSystemMenu(run.window, FALSE);
  ASSERT_NE(menu, nullptr);
  SendMessageA(run.window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(0, TRUE));
  EXPECT_EQ(GetMenuState(menu, SC_MOVE, MF_BYCOMMAND), static_cast<UINT>(-1));
  EXPECT_EQ(GetMenuState(menu, SC_SIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
  EXPECT_EQ(GetMenuState(menu, SC_MAXIMIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
  EXPECT_EQ(GetMenuState(menu, SC_MINIMIZE, MF_BYCOMMAND) & MF_GRAYED, 0u);
  EXPECT_NE(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
  EXPECT_NE(GetMenuState(menu, SC_RESTORE, MF_BYCOMMAND), static_cast<UINT>(-1));

  PostMessageA(run.window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);  // ignored
  PostMessageA(run.window, WM_SYSCOMMAND, SC_MOVE | 2, 0);  // ignored, whatever the low bits
  ASSERT_TRUE(run.module->WaitIdle());
  EXPECT_FALSE(run.module->Finished());
  EXPECT_EQ(run.rect().right - run.rect().left, kW);

  PostMessageA(run.window, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(run.module->Finished(wintest::kDefaultWaitMs));
  const auto window = reinterpret_cast<uintptr_t>(run.window);
  EXPECT_TRUE(wintest::MatchesSequence(run.engine.Messages(),
                                       {wintest::Sent(engine::kRegisterWindow, window, 1),
                                        wintest::Posted(engine::kExit, 0, 0),
                                        wintest::Sent(engine::kRegisterWindow, window, 0)},
                                       wintest::Only({engine::kRegisterWindow, engine::kExit})));
}

GUI_SCENARIO(MainWindow, ADragMovesTheWindowAndStoresItsPlace) {
  UseSkin();
  KvIniSetDword(kSection, "Flags", kTopmost | kSnap);
  KvIniSetDword(kSection, "X", 400);
  KvIniSetDword(kSection, "Y", 300);
  Run run;
  ASSERT_NE(run.window, nullptr);
  gui::Drag(gui::ScreenPoint(run.window, 20, 20), gui::ScreenPoint(run.window, 57, 43));
  ASSERT_TRUE(run.module->WaitIdle());
  EXPECT_EQ(run.rect().left, 437);
  EXPECT_EQ(run.rect().top, 323);
  EXPECT_EQ(kv::ReadDword(kSection, "X"), 437u);
  EXPECT_EQ(kv::ReadDword(kSection, "Y"), 323u);

  // Within 9 pixels of the left edge the window sticks to it.
  gui::Drag(gui::ScreenPoint(run.window, 20, 20), gui::ScreenPoint(run.window, 20 - 437 + 7, 20));
  ASSERT_TRUE(run.module->WaitIdle());
  EXPECT_EQ(run.rect().left, 0);
  EXPECT_EQ(kv::ReadDword(kSection, "X"), 0u);

  // Dragged down past the bottom, MinVisibleBottom (10) pixels stay on
  // screen and the cursor is brought back onto the grab point.
  const POINT grab = gui::ScreenPoint(run.window, 20, 5);
  gui::Drag(grab, POINT{grab.x, Screen().y - 1}, 4);
  ASSERT_TRUE(run.module->WaitIdle());
  EXPECT_EQ(run.rect().top, Screen().y - 10);
  EXPECT_EQ(kv::ReadDword(kSection, "Y"), static_cast<uint32_t>(Screen().y - 10));
  POINT cursor{};
  GetCursorPos(&cursor);
  EXPECT_EQ(cursor.y, Screen().y - 10 + 5);
}

GUI_SCENARIO(MainWindow, ShiftTurnsSnappingTheOtherWay) {
  UseSkin();
  KvIniSetDword(kSection, "Flags", kTopmost | kSnap);
  KvIniSetDword(kSection, "X", 400);
  KvIniSetDword(kSection, "Y", 300);
  {
    Run run;
    ASSERT_NE(run.window, nullptr);
    gui::Drag(gui::ScreenPoint(run.window, 20, 20), gui::ScreenPoint(run.window, 20 - 400 + 7, 20), 8, VK_SHIFT);
    ASSERT_TRUE(run.module->WaitIdle());
    EXPECT_EQ(run.rect().left, 7);  // snapping on, inverted: none
  }
  KvIniSetDword(kSection, "Flags", kTopmost);
  KvIniSetDword(kSection, "X", 400);
  {
    Run run;
    gui::Drag(gui::ScreenPoint(run.window, 20, 20), gui::ScreenPoint(run.window, 20 - 400 + 7, 20));
    ASSERT_TRUE(run.module->WaitIdle());
    EXPECT_EQ(run.rect().left, 7);  // snapping off
    gui::Drag(gui::ScreenPoint(run.window, 20, 20), gui::ScreenPoint(run.window, 20 + 1, 20), 1, VK_SHIFT);
    ASSERT_TRUE(run.module->WaitIdle());
    EXPECT_EQ(run.rect().left, 0);  // snapping off, inverted: snaps
  }
}

GUI_SCENARIO(MainWindow, AtTheTopEdgeItHidesWhenTheMouseLeavesAndShowsWhenItReturns) {
  UseSkin("HidingSpeedDY=7\n");
  KvIniSetDword(kSection, "Flags", kTopmost | kAutoHide);
  KvIniSetDword(kSection, "X", 400);
  KvIniSetDword(kSection, "Y", 0);
  Run run;
  ASSERT_NE(run.window, nullptr);
  ASSERT_TRUE(gui::MouseTo(450, 20));
  // The window's own activation at start arrives late on a busy display; had
  // it come after the other window's, the module would rightly stay up.
  ASSERT_TRUE(wintest::WaitUntil([&] { return GetForegroundWindow() == run.window; }));
  ASSERT_TRUE(run.module->WaitIdle());
  ASSERT_TRUE(run.engine.ActivateOther());
  ASSERT_TRUE(gui::MouseTo(800, 500));
  ASSERT_TRUE(wintest::WaitUntil([&] { return run.rect().top == 10 - kH; })) << run.rect().top;
  EXPECT_EQ(run.rect().left, 400);
  // Back over the visible strip: it slides down again.
  ASSERT_TRUE(gui::MouseTo(450, 5));
  ASSERT_TRUE(wintest::WaitUntil([&] { return run.rect().top == 0; })) << run.rect().top;
  EXPECT_EQ(run.rect().left, 400);
}

GUI_SCENARIO(MainWindow, TheBackgroundIsTheSkinBitmapsCorner) {
  UseSkin();
  Run run;
  ASSERT_NE(run.window, nullptr);
  const gui::Pixels px = gui::CaptureClient(run.window);
  ASSERT_EQ(px.width, kW);
  ASSERT_EQ(px.height, kH);
  int wrong = 0;
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) wrong += px.at(x, y) != SkinPixel(x, y);
  EXPECT_EQ(wrong, 0);
}

GUI_SCENARIO(MainWindow, TheDefaultSkinOpensAtItsSizeWithItsPictures) {
  KvIniSetString(kSection, "Skin", "Nightfall.bmp");
  static const char kActiveFilters[] = "Prismo.dll\0Tonal10.dll\0";  // its spectrum view needs the analyzer
  KvIniSetBinary("KvFilters", "Filters", kActiveFilters, sizeof kActiveFilters - 1);
  const std::string bitmapPath = gui::Install() + "Varix\\Nightfall.bmp";
  HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(nullptr, bitmapPath.c_str(), IMAGE_BITMAP, 0, 0,
                                                   LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  ASSERT_NE(bitmap, nullptr) << bitmapPath;
  Run run;
  ASSERT_NE(run.window, nullptr);
  const RECT r = run.rect();
  EXPECT_EQ(r.right - r.left, 560);
  EXPECT_EQ(r.bottom - r.top, 250);
  const auto layered = gui::LayeredAttributes(run.window);
  ASSERT_TRUE(layered.has_value());
  EXPECT_EQ(layered->key, RGB(255, 0, 255));  // its rounded corners are see-through
  // The window shows the bitmap's corner, with the spectrum view's own
  // pictures over its place (its peak markers rest on the baseline; its
  // scenarios check them) and the on pictures of the topmost button (the
  // default Flags keep the window on top) and of the stereo button (the
  // recording engine answers 0 to its query: mono forced), the thumbs of
  // the six volume sliders, the time-shift slider and the band sliders (the
  // equalizer is on, its gains flat), the equalizer button's on picture,
  // and the information displays with their texts and the mono picture.
  // The view asks
  // the engine for its state while the window is being made, and the
  // module's thread answers other sent messages meanwhile: wait for the
  // picture rather than for idleness.
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const RECT spectrum{312, 38, 312 + 128, 38 + 76}, topmost{398, 5, 398 + 18, 5 + 18},
      stereo{12, 152, 12 + 52, 152 + 20}, volumes{25, 226 - 35 + 1, 225 + 14, 226 + 1},
      timeShift{547 - 276 + 1, 154, 547 + 1, 154 + 16}, equalizer{266, 184, 266 + 36, 184 + 14},
      bands{312, 186, 519 + 14, 227};
  const RECT displays[] = {{22, 54, 22 + 268, 54 + 26}, {22, 88, 22 + 150, 88 + 14}, {180, 88, 180 + 110, 88 + 14},
                           {22, 40, 22 + 44, 40 + 11}};
  const auto drawnOver = [&](POINT p) {
    for (const RECT& d : displays)
      if (PtInRect(&d, p)) return true;
    for (const RECT* r : {&spectrum, &topmost, &stereo, &volumes, &timeShift, &equalizer, &bands})
      if (PtInRect(r, p)) return true;
    return false;
  };
  auto wrong = [&] {
    const gui::Pixels px = gui::CaptureClient(run.window);
    int count = 0;
    for (int y = 0; y < px.height; y += 3)
      for (int x = 0; x < px.width; x += 3)
        count += !drawnOver(POINT{x, y}) && px.at(x, y) != GetPixel(dc, x, y);
    return count;
  };
  wintest::WaitUntil([&] { return wrong() == 0; });
  EXPECT_EQ(wrong(), 0);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(bitmap);
}

GUI_SCENARIO(MainWindow, TheRightClickMenuProgramAnswersThroughItsExitCode) {
  UseSkin();
  // A long argument: the command line has no fixed limit of its own.
  KvIniSetString(kSection, "RClickGUI", ("from the test " + std::string(900, 'x')).c_str());
  Run run;
  ASSERT_NE(run.window, nullptr);
  PostMessageA(run.window, 0x2400, 7, 0);  // codes other than help and close do nothing
  ASSERT_TRUE(run.module->WaitIdle());
  EXPECT_FALSE(run.module->Finished());

  // The menu program (KvGUI.exe m 3 ...) opens its menu at the cursor;
  // choosing Close ends it with code 2, and the module closes.
  const POINT p = gui::ScreenPoint(run.window, 50, 40);
  gui::RightClick(p.x, p.y);
  ASSERT_TRUE(wintest::WaitUntil([] {
    HWND menu = FindWindowA("#32768", nullptr);
    return menu && IsWindowVisible(menu);
  }, 10000));
  EXPECT_FALSE(run.module->Finished()) << "the module does not wait for the menu";
  gui::KeyDown('C');
  gui::KeyUp('C');
  EXPECT_TRUE(run.module->Finished(10000));
  const auto window = reinterpret_cast<uintptr_t>(run.window);
  EXPECT_TRUE(wintest::MatchesSequence(
      run.engine.Messages(),
      {wintest::Sent(engine::kRegisterWindow, window, 1), wintest::Sent(engine::kRegisterWindow, window, 0)},
      wintest::Only({engine::kRegisterWindow, engine::kExit})))
      << "the player goes on";
}

}  // namespace
