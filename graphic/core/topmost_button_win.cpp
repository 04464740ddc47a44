#include "graphic/core/topmost_button_win.h"

#include "graphic/core/control_table_win.h"
#include "graphic/core/module_names.h"
#include "graphic/core/module_state_win.h"
#include "host/kv_ini.h"
#include "host/kv_lang.h"

namespace vrx {
bool TopmostButton::WindowTopmost() const {
  return (GetWindowLongPtrA(Controls().window(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

bool TopmostButton::Init(int slot) {
  if (!SkinButton::Init(slot)) return false;
  on_ = WindowTopmost();
  return true;
}

const char* TopmostButton::TooltipText() { return KvLangString("SET_TOPMOST", "Keep the window always on top"); }

bool TopmostButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_WINDOWPOSCHANGED && WindowTopmost() != on_) SetOn(WindowTopmost());
  return SkinButton::HandleMessage(message, wParam, lParam, result);
}

void TopmostButton::Action() {
  ModuleState& m = Module();
  if (on_)
    m.flags &= ~kFlagTopmost;
  else
    m.flags |= kFlagTopmost;
  const HWND window = Controls().window();
  if (on_) {
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  } else {
    // Wine puts a window that goes on top after the topmost popups it owns
    // and leaves it without the topmost style, so the tip window (owned,
    // topmost) is made again once the window is there.
    TooltipManager& tips = Controls().tooltips();
    tips.Destroy();
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    RECT client{};
    GetClientRect(window, &client);
    tips.Create(window, client.right, client.bottom);
  }
  KvIniSetDword(Names().section, kFlagsKey, m.flags);
}

}  // namespace vrx
