#include "graphic/core/main_window.h"

#include <string>

#include "graphic/core/module_names.h"
#include "graphic/core/module_state.h"
#include "host/engine_messages.h"

namespace vrx {
namespace {

constexpr char kTitleFormat[] = "Tavrin FM Player - %s";

bool RegisterMainWindowClass(WNDPROC procedure) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = procedure;
  wc.hInstance = Module().instance;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.lpszClassName = Names().windowClass;
  return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

bool MainWindow::Create() {
  Destroy();
  ModuleState& m = Module();
  m.engineWindow = FindWindowA(engine::kWindowClass, nullptr);
  if (!RegisterMainWindowClass(&MainWindow::Procedure)) return false;
  char title[128];
  wsprintfA(title, kTitleFormat, Names().moduleName);
  window_ = CreateWindowExA(WS_EX_TOOLWINDOW, Names().windowClass, title, WS_POPUP, 0, 0, m.skin.general.width,
                            m.skin.general.height, nullptr, nullptr, m.instance, nullptr);
  return window_ != nullptr;
}

void MainWindow::Destroy() {
  if (window_) DestroyWindow(window_);
  window_ = nullptr;
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  // A system setting change is always sent (it carries a pointer, so it
  // cannot be posted) and would never reach the run loop: queue the
  // module's own rebuild request instead.
  if (message == WM_SETTINGCHANGE) PostMessageA(window, engine::kSettingsChanged, 0, 0);
  return DefWindowProcA(window, message, wParam, lParam);
}

void UnregisterMainWindowClass() { UnregisterClassA(Names().windowClass, Module().instance); }

}  // namespace vrx
