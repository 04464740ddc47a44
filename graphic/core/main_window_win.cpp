#include "graphic/core/main_window_win.h"

#include <optional>

#include "graphic/core/launch_win.h"
#include "graphic/core/module_names.h"
#include "graphic/core/module_state_win.h"
#include "graphic/core/module_timers_win.h"
#include "graphic/core/right_click_menu_win.h"
#include "graphic/core/run_loop_win.h"
#include "graphic/core/system_command.h"
#include "host/engine_messages.h"
#include "host/kv_ini.h"
#include "host/settings.h"

namespace vrx {
namespace {

constexpr char kTitleFormat[] = "Tavrin FM Player - %s";
constexpr int kIconResource = 104;
constexpr int kSmallIcon = 16;
constexpr char kAlphaKey[] = "Alpha";
constexpr char kActiveAlphaKey[] = "AlphaActive";
constexpr char kXKey[] = "X";
constexpr char kYKey[] = "Y";
constexpr char kRightClickKey[] = "RClickGUI";
constexpr uint32_t kDefaultAlpha = 180;
constexpr uint32_t kDefaultActiveAlpha = 240;
constexpr uint32_t kAlphaLimit = 256;  // this or more means the default

static_assert(kCommandMinimize == SC_MINIMIZE && kCommandClose == SC_CLOSE && kCommandRestore == SC_RESTORE &&
              kCommandScreenSave == SC_SCREENSAVE && kCommandMonitorPower == SC_MONITORPOWER);

bool RegisterMainWindowClass(WNDPROC procedure) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = procedure;
  wc.hInstance = Module().instance;
  wc.hIcon = static_cast<HICON>(
      LoadImageA(Module().instance, MAKEINTRESOURCEA(kIconResource), IMAGE_ICON, kSmallIcon, kSmallIcon, LR_SHARED));
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.lpszClassName = Names().windowClass;
  return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

BYTE ReadAlpha(const char* key, uint32_t fallback) {
  const uint32_t value = kv::ReadDword(Names().section, key, fallback);
  return static_cast<BYTE>(value < kAlphaLimit ? value : fallback);
}

std::optional<int32_t> ReadSigned(const char* key) {
  const std::optional<uint32_t> value = kv::ReadDword(Names().section, key);
  if (!value) return std::nullopt;
  return static_cast<int32_t>(*value);
}

POINT ClientPoint(LPARAM lParam) {
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

}  // namespace

Rect MainWindow::Frame() const {
  if (Module().flags & kFlagTopmost)
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  return {work.left, work.top, work.right, work.bottom};
}

Rect MainWindow::WindowRectNow() const {
  RECT r{};
  GetWindowRect(window_, &r);
  return {r.left, r.top, r.right, r.bottom};
}

WindowMetrics MainWindow::Metrics() const {
  const skin::General& g = Module().skin.general;
  WindowMetrics m;
  m.width = g.width;
  m.height = g.height;
  m.minVisibleLeft = g.minVisibleLeft;
  m.minVisibleRight = g.minVisibleRight;
  m.minVisibleTop = g.minVisibleTop;
  m.minVisibleBottom = g.minVisibleBottom;
  m.hidingSpeedDX = g.hidingSpeedDX;
  m.hidingSpeedDY = g.hidingSpeedDY;
  return m;
}

bool MainWindow::Create(ControlFactory factory) {
  Destroy();
  ModuleState& m = Module();
  m.engineWindow = FindWindowA(engine::kWindowClass, nullptr);
  if (HMODULE user = GetModuleHandleA("user32.dll"))
    setLayered_ = reinterpret_cast<SetLayeredFn>(
        reinterpret_cast<void*>(GetProcAddress(user, "SetLayeredWindowAttributes")));
  m.flags = kv::ReadDword(Names().section, "Flags", kDefaultFlags);
  alpha_ = ReadAlpha(kAlphaKey, kDefaultAlpha);
  activeAlpha_ = ReadAlpha(kActiveAlphaKey, kDefaultActiveAlpha);
  hide_.Reset();
  snap_ = SnapState();

  const WindowMetrics metrics = Metrics();
  const Point place = InitialPlace(ReadSigned(kXKey), ReadSigned(kYKey), Frame(), metrics);
  const DWORD exStyle = WS_EX_LAYERED | ((m.flags & kFlagTaskbar) ? WS_EX_APPWINDOW : WS_EX_TOOLWINDOW);
  if (!RegisterMainWindowClass(&MainWindow::Procedure)) return false;
  char title[128];
  wsprintfA(title, kTitleFormat, Names().moduleName);
  const HWND made = CreateWindowExA(exStyle, Names().windowClass, title, WS_POPUP | WS_VISIBLE | WS_SYSMENU,
                                    place.x, place.y, metrics.width, metrics.height, nullptr, nullptr, m.instance,
                                    this);
  if (!made) {
    // A creation that failed after WM_NCCREATE leaves no window behind.
    window_ = nullptr;
    Timers().Reset();
    Capture().Attach(nullptr);
    return false;
  }
  // A layered window stays unseen until its attributes are set; a window
  // that opens behind another gets no activation to set them.
  ApplyOpacity();
  Controls().Create(window_, metrics.width, metrics.height, m.skin, factory);
  InvalidateRect(window_, nullptr, FALSE);
  UpdateWindow(window_);
  return true;
}

void MainWindow::Destroy() {
  if (!window_) return;
  Controls().Destroy();
  DestroyWindow(window_);
  window_ = nullptr;
  Timers().Reset();
  Capture().Attach(nullptr);
  hide_.Reset();
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->window_ = window;
    Timers().Attach(window);
    Capture().Attach(window);
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self || self->window_ != window) return DefWindowProcA(window, message, wParam, lParam);
  // The module's loop never dispatches the engine's requests; they arrive
  // here only inside a modal loop (a menu, a message box), which would lose
  // them. A 0xC30 sent from another thread only tells the controls; the
  // module itself never sends it to its own window, which would read as posted.
  if (const Ending request = RequestOf(message, InSendMessage() != FALSE); request != Ending::None) {
    EndRun(request);
    return 0;
  }
  LRESULT result = 0;
  if (Controls().window() == window && Controls().Dispatch(message, wParam, lParam, &result)) return result;
  return self->Handle(message, wParam, lParam);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  ModuleState& m = Module();
  switch (message) {
    case WM_CREATE:
      if (m.flags & kFlagTopmost)
        SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      if (m.engineWindow)
        SendMessageA(m.engineWindow, engine::kRegisterWindow, reinterpret_cast<WPARAM>(window_), 1);
      HideTrigger();
      return 0;
    case WM_DESTROY:
      Timers().Stop(this, kHideCheckTimer);
      Timers().Stop(this, kMoveTimer);
      Timers().Stop(this, kSettleTimer);
      if (m.engineWindow)
        SendMessageA(m.engineWindow, engine::kRegisterWindow, reinterpret_cast<WPARAM>(window_), 0);
      return 0;
    case WM_NCACTIVATE:
      ApplyOpacity();
      if (GetForegroundWindow() == window_) StartShowing();
      return 1;
    case WM_KILLFOCUS:
      // Through the whole procedure, so that the controls end their presses.
      SendMessageA(window_, WM_CANCELMODE, 0, 0);
      HideTrigger();
      return 0;
    case WM_CANCELMODE:
    case WM_LBUTTONUP:
      if (Capture().Current() == this) EndDrag();
      return 0;
    case WM_LBUTTONDOWN:
      Capture().Capture(this, true);
      grab_ = ClientPoint(lParam);
      snap_ = SnapState();
      Apply(hide_.DragStarted());
      return 0;
    case WM_MOUSEMOVE:
      if (Capture().Current() == this)
        DragTo(ClientPoint(lParam), (wParam & MK_SHIFT) != 0);
      else if (!hide_.hidden() && !hide_.hiding())
        HideTrigger();
      else
        StartShowing();
      return 0;
    case WM_RBUTTONDOWN:
      if (const std::optional<std::string> argument = kv::ReadString(Names().section, kRightClickKey))
        StartRightClickMenu(window_, Names().moduleName, argument->c_str());
      return 0;
    case kRightClickResult:
      if (wParam == kRightClickHelp) OpenHelpTopic(kHelpPage);
      if (wParam == kRightClickClose) EndRun(Ending::Close);
      return 0;
    case WM_TIMER:
      if (Timers().Is(wParam, this, kHideCheckTimer))
        Apply(hide_.CheckTick(HideView()));
      else if (Timers().Is(wParam, this, kMoveTimer))
        Apply(hide_.MoveTick(HideView(), Metrics()));
      else if (Timers().Is(wParam, this, kSettleTimer)) {
        Timers().Stop(this, kSettleTimer);
        EndRun(Ending::Rebuild);
      }
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window_, &ps);
      Controls().PaintWindow(dc, ps.rcPaint);
      EndPaint(window_, &ps);
      return 0;
    }
    case WM_INITMENUPOPUP: {
      HMENU menu = GetSystemMenu(window_, FALSE);
      DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
      DeleteMenu(menu, SC_MOVE, MF_BYCOMMAND);
      DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
      if (!IsIconic(window_)) EnableMenuItem(menu, SC_MINIMIZE, MF_BYCOMMAND | MF_ENABLED);
      return 0;
    }
    case WM_SYSCOMMAND:
      switch (ForSystemCommand(wParam)) {
        case SystemCommandAction::Close:
          if (m.engineWindow) PostMessageA(m.engineWindow, engine::kExit, 0, 0);
          EndRun(Ending::Close);
          break;
        case SystemCommandAction::Minimize:
          ShowWindow(window_, SW_MINIMIZE);
          break;
        case SystemCommandAction::Restore:
          ShowWindow(window_, SW_RESTORE);
          break;
        case SystemCommandAction::Default:
          return DefWindowProcA(window_, message, wParam, lParam);
        case SystemCommandAction::Ignore:
          break;
      }
      return 0;
    case WM_CLOSE:
      // From outside (a task manager's "End task"): the module ends as by
      // its close command, but the player goes on. The default handling
      // would destroy the window behind the loop's back.
      EndRun(Ending::Close);
      return 0;
    case WM_SETTINGCHANGE:
      // Always sent (it carries a pointer), so it never reaches the run
      // loop: rebuild once the burst is over.
      Timers().Start(this, kSettleTimer, kSettingsSettleMs);
      break;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}

void MainWindow::ApplyOpacity() {
  if (!setLayered_ || !window_) return;
  const skin::General& g = Module().skin.general;
  const BYTE alpha = GetForegroundWindow() == window_ ? activeAlpha_ : alpha_;
  const COLORREF key = g.hasTransparentColor ? g.transparentColor : 0;
  setLayered_(window_, key, alpha, g.hasTransparentColor ? (LWA_COLORKEY | LWA_ALPHA) : LWA_ALPHA);
}

AutoHide::View MainWindow::HideView() const {
  AutoHide::View v;
  v.window = WindowRectNow();
  v.frame = Frame();
  v.enabled = (Module().flags & kFlagAutoHide) != 0;
  v.foreground = GetForegroundWindow() == window_;
  v.mouseInside = v.window.Contains({Module().mouse.x, Module().mouse.y});
  return v;
}

void MainWindow::Apply(const HideActions& a) {
  if (a.moveTo)
    SetWindowPos(window_, nullptr, a.moveTo->x, a.moveTo->y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (a.stopCheck) Timers().Stop(this, kHideCheckTimer);
  if (a.stopMove) Timers().Stop(this, kMoveTimer);
  if (a.startCheck) Timers().Start(this, kHideCheckTimer, AutoHide::kCheckPeriodMs);
  if (a.startMove) Timers().Start(this, kMoveTimer, AutoHide::kMovePeriodMs);
}

void MainWindow::HideTrigger() { Apply(hide_.Trigger(HideView())); }

void MainWindow::StartShowing() { Apply(hide_.StartShowing()); }

// The Shift state comes with the mouse move itself: the thread's key state
// lags behind when the key went to another window or has not been read yet.
void MainWindow::DragTo(POINT client, bool shift) {
  const bool snapping = ((Module().flags & kFlagSnap) != 0) != shift;
  const DragMove move = DragStep(WindowRectNow(), {grab_.x, grab_.y}, {client.x, client.y}, Frame(), Metrics(),
                                 snapping, snap_);
  if (move.moveCursor) SetCursorPos(move.cursor.x, move.cursor.y);
  if (move.moveWindow)
    SetWindowPos(window_, nullptr, move.window.x, move.window.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::EndDrag() {
  Capture().Capture(this, false);
  const Rect r = WindowRectNow();
  KvIniSetDword(Names().section, kXKey, static_cast<uint32_t>(r.left));
  KvIniSetDword(Names().section, kYKey, static_cast<uint32_t>(r.top));
}

void UnregisterMainWindowClass() { UnregisterClassA(Names().windowClass, Module().instance); }

}  // namespace vrx
