#include "graphic/core/minimize_button_win.h"

#include "graphic/core/control_table_win.h"
#include "graphic/core/launch_win.h"
#include "graphic/core/module_state_win.h"
#include "host/kv_lang.h"

namespace vrx {

const char* MinimizeButton::TooltipText() { return KvLangString("BTNMINIMIZE", "Minimize the window"); }

void MinimizeButton::Action() {
  if (Module().flags & kFlagTaskbar)
    ShowWindow(Controls().window(), SW_MINIMIZE);
  else
    QuitModule();
}

}  // namespace vrx
