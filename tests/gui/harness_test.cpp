// The harness checked against a small module of this program: the recording
// engine, real input reaching a window as a user's would, idle waits and
// pixel reads.
#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <vector>

#include "host/engine_messages.h"
#include "host/settings.h"
#include "tests/gui/gui.h"
#include "tests/support/wintest.h"

namespace {

constexpr char kProbeClass[] = "TavrinHarnessProbe";
constexpr int kProbeX = 200, kProbeY = 150, kProbeW = 160, kProbeH = 100;
constexpr COLORREF kFill = RGB(10, 200, 30);
constexpr COLORREF kSpot = RGB(200, 10, 10);
constexpr RECT kSpotRect{10, 10, 30, 30};
// Work the probe gives itself: a chain of posted messages, and a timer.
constexpr UINT kChain = WM_APP + 1;       // wParam: links still to post
constexpr UINT kStartTimer = WM_APP + 2;  // wParam: period in milliseconds
constexpr UINT_PTR kProbeTimer = 1;

struct MouseEvent {
  UINT message;
  POINT client;
  POINT messagePos;
  WPARAM keys;  // MK_SHIFT, MK_LBUTTON...: the keys held when the input came
  bool captured;
};

std::mutex g_mutex;
std::vector<MouseEvent> g_mouse;
LRESULT g_frequency = 0;
POINT g_lastPos{};
std::atomic<int> g_chainLeft{-1};
std::atomic<bool> g_timerFired{false};

LRESULT CALLBACK ProbeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  HWND engineWindow = FindWindowA(engine::kWindowClass, nullptr);
  switch (message) {
    case WM_CREATE:
      if (engineWindow) {
        SendMessageA(engineWindow, engine::kRegisterWindow, reinterpret_cast<WPARAM>(hwnd), 1);
        g_frequency = SendMessageA(engineWindow, engine::kGetFrequency, 0, 0);
      }
      return 0;
    case WM_DESTROY:
      if (engineWindow) SendMessageA(engineWindow, engine::kRegisterWindow, reinterpret_cast<WPARAM>(hwnd), 0);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      HBRUSH fill = CreateSolidBrush(kFill), spot = CreateSolidBrush(kSpot);
      RECT all{0, 0, kProbeW, kProbeH};
      FillRect(dc, &all, fill);
      FillRect(dc, &kSpotRect, spot);
      DeleteObject(fill);
      DeleteObject(spot);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case kChain:
      g_chainLeft = static_cast<int>(wParam);
      if (wParam > 0) PostMessageA(hwnd, kChain, wParam - 1, 0);
      return 0;
    case kStartTimer:
      SetTimer(hwnd, kProbeTimer, static_cast<UINT>(wParam), nullptr);
      return 0;
    case WM_TIMER:
      KillTimer(hwnd, kProbeTimer);
      g_timerFired = true;
      return 0;
    case WM_LBUTTONDOWN:
      SetCapture(hwnd);
      break;
    case WM_LBUTTONUP:
      ReleaseCapture();
      break;
  }
  if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) {
    const DWORD pos = GetMessagePos();
    std::lock_guard<std::mutex> lock(g_mutex);
    g_mouse.push_back({message,
                       {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))},
                       {static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))},
                       wParam,
                       GetCapture() == hwnd});
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

// Plays a module: a window, registration with the engine, a loop that ends
// on the engine's close request.
void __cdecl ProbeModule() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = ProbeProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = kProbeClass;
  RegisterClassA(&wc);
  HWND hwnd = CreateWindowExA(WS_EX_TOOLWINDOW, kProbeClass, "probe", WS_POPUP | WS_VISIBLE, kProbeX, kProbeY,
                              kProbeW, kProbeH, nullptr, nullptr, instance, nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0 && msg.message != engine::kCloseModule) {
    const DWORD pos = GetMessagePos();
    g_lastPos = {static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  DestroyWindow(hwnd);
  UnregisterClassA(kProbeClass, instance);
}

std::vector<MouseEvent> Events(UINT message) {
  std::lock_guard<std::mutex> lock(g_mutex);
  std::vector<MouseEvent> out;
  for (const MouseEvent& e : g_mouse)
    if (e.message == message) out.push_back(e);
  return out;
}

void ClearEvents() {
  std::lock_guard<std::mutex> lock(g_mutex);
  g_mouse.clear();
}

TEST(GuiHarness, EngineRecordsAndAnswersFromItsScript) {
  gui::EngineWindow engineWindow;
  ASSERT_TRUE(engineWindow.ok());
  engineWindow.Answer(engine::kGetFrequency, 101700000);
  wintest::ModuleThread module(&ProbeModule);
  const auto probe = reinterpret_cast<uintptr_t>(module.WaitWindow(kProbeClass));
  ASSERT_NE(probe, 0u);
  EXPECT_EQ(g_frequency, 101700000);
  EXPECT_TRUE(module.Close());
  EXPECT_TRUE(wintest::MatchesSequence(engineWindow.Messages(),
                                       {wintest::Sent(engine::kRegisterWindow, probe, 1),
                                        wintest::Sent(engine::kGetFrequency, 0, 0),
                                        wintest::Sent(engine::kRegisterWindow, probe, 0)}));
}

TEST(GuiHarness, WhatWasPostedToTheEngineIsThereWhenRead) {
  gui::EngineWindow engineWindow;
  constexpr size_t kPosts = 200;
  for (size_t i = 0; i < kPosts; ++i) PostMessageA(engineWindow.window(), engine::kNextStation, i, 0);
  EXPECT_EQ(engineWindow.Messages(engine::kNextStation).size(), kPosts);
  for (size_t i = 0; i < kPosts; ++i) PostMessageA(engineWindow.window(), engine::kTune, i, 0);
  engineWindow.Clear();
  EXPECT_TRUE(engineWindow.Messages().empty()) << "those still on their way are forgotten too";
}

TEST(GuiHarness, IdleMeansNothingLeftQueuedAndARestLetsEarlierTimersRun) {
  gui::EngineWindow engineWindow;
  wintest::ModuleThread module(&ProbeModule);
  HWND probe = module.WaitWindow(kProbeClass);
  ASSERT_NE(probe, nullptr);
  // Work that keeps posting more of itself is all done, however long.
  PostMessageA(probe, kChain, 2000, 0);
  ASSERT_TRUE(module.WaitIdle());
  EXPECT_EQ(g_chainLeft, 0);
  // A pending timer is not work left: with one due long after any wait's
  // limit, idle comes at once.
  constexpr DWORD kFarTimerMs = 60000;
  PostMessageA(probe, kStartTimer, kFarTimerMs, 0);
  ASSERT_TRUE(module.WaitIdle());
  EXPECT_FALSE(g_timerFired);
  // A timer due before a rest ends has run when the rest ends (it replaces
  // the far one).
  constexpr DWORD kTimerMs = 1500;
  PostMessageA(probe, kStartTimer, kTimerMs, 0);
  ASSERT_TRUE(module.WaitRest(kTimerMs + 100));
  EXPECT_TRUE(g_timerFired);
}

TEST(GuiHarness, RealInputArrivesAsAUsersWould) {
  gui::EngineWindow engineWindow;
  wintest::ModuleThread module(&ProbeModule);
  HWND probe = module.WaitWindow(kProbeClass);
  ASSERT_NE(probe, nullptr);
  ASSERT_TRUE(module.WaitIdle());
  ClearEvents();

  const POINT at = gui::ScreenPoint(probe, 50, 40);
  ASSERT_TRUE(gui::MouseTo(at.x, at.y));
  gui::DoubleClick(at.x, at.y);
  ASSERT_TRUE(module.WaitIdle());
  const auto downs = Events(WM_LBUTTONDOWN);
  ASSERT_EQ(downs.size(), 1u);
  EXPECT_EQ(downs[0].client.x, 50);
  EXPECT_EQ(downs[0].client.y, 40);
  EXPECT_EQ(downs[0].messagePos.x, at.x);
  EXPECT_EQ(downs[0].messagePos.y, at.y);
  EXPECT_EQ(Events(WM_LBUTTONDBLCLK).size(), 1u);
  EXPECT_EQ(g_lastPos.x, at.x);

  // A drag out of the window with Shift held: capture keeps the moves coming
  // and each carries Shift held.
  ClearEvents();
  EXPECT_EQ(GetForegroundWindow(), probe);
  gui::Drag(gui::ScreenPoint(probe, 20, 50), gui::ScreenPoint(probe, kProbeW + 60, 50), 8, VK_SHIFT);
  ASSERT_TRUE(module.WaitIdle());
  std::vector<MouseEvent> held;
  for (const MouseEvent& m : Events(WM_MOUSEMOVE))
    if (m.captured) held.push_back(m);
  // The system merges moves that queue up while the thread is held back, so
  // a busy machine delivers fewer than the eight steps, but never none.
  ASSERT_FALSE(held.empty());
  EXPECT_EQ(held.back().client.x, kProbeW + 60);
  for (const MouseEvent& m : held) {
    EXPECT_TRUE(m.keys & MK_SHIFT) << m.client.x;
    EXPECT_TRUE(m.keys & MK_LBUTTON) << m.client.x;
  }
  EXPECT_EQ(Events(WM_LBUTTONUP).size(), 1u);
}

TEST(GuiHarness, WindowPixelsAndPlaceReadBack) {
  gui::EngineWindow engineWindow;
  wintest::ModuleThread module(&ProbeModule);
  HWND probe = module.WaitWindow(kProbeClass);
  ASSERT_NE(probe, nullptr);
  ASSERT_TRUE(module.WaitIdle());
  const RECT r = gui::WindowRect(probe);
  EXPECT_EQ(r.left, kProbeX);
  EXPECT_EQ(r.bottom - r.top, kProbeH);
  EXPECT_TRUE(gui::ExStyle(probe) & WS_EX_TOOLWINDOW);
  const gui::Pixels px = gui::CaptureClient(probe);
  ASSERT_EQ(px.width, kProbeW);
  ASSERT_EQ(px.height, kProbeH);
  EXPECT_EQ(px.at(0, 0), kFill);
  EXPECT_EQ(px.at(kProbeW - 1, kProbeH - 1), kFill);
  EXPECT_EQ(px.at(10, 10), kSpot);
  EXPECT_EQ(px.at(29, 29), kSpot);
  EXPECT_EQ(px.at(30, 29), kFill);
  EXPECT_TRUE(engineWindow.ActivateOther());
  EXPECT_NE(GetForegroundWindow(), probe);
}

GUI_SCENARIO(GuiHarness, ScenariosRunInAnInstallFolderOfTheirOwn) {
  const std::string folder = gui::Install();
  EXPECT_EQ(folder, wintest::ExeFolder());
  EXPECT_NE(GetFileAttributesA((folder + "KvEngine.exe").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_NE(GetFileAttributesA((folder + "KvIni.dll").c_str()), INVALID_FILE_ATTRIBUTES);
  // Settings start empty and are this scenario's own.
  char root[512] = {};
  ASSERT_GT(GetEnvironmentVariableA("KVINI_ROOT", root, sizeof root), 0u);
  EXPECT_NE(std::string(root).find("TavrinTests"), std::string::npos);
  EXPECT_FALSE(kv::ReadDword("Vrx", "X").has_value());
  // A skin written here lands in the folder's Varix.
  const std::string skin = gui::WriteSkin("probe", 4, 2, [](int x, int) { return RGB(x * 60, 0, 0); },
                                          "[General]\nWidth=4\nHeight=2\n");
  EXPECT_EQ(skin, "probe.bmp");
  HBITMAP bitmap = static_cast<HBITMAP>(
      LoadImageA(nullptr, (folder + "Varix\\probe.bmp").c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  ASSERT_NE(bitmap, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  EXPECT_EQ(GetPixel(dc, 3, 1), RGB(180, 0, 0));
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(bitmap);
}

}  // namespace
