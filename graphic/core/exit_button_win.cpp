#include "graphic/core/exit_button_win.h"

#include "graphic/core/command_line.h"
#include "graphic/core/engine_window_link_win.h"
#include "graphic/core/launch_win.h"
#include "graphic/core/module_names.h"
#include "host/engine_messages.h"
#include "host/fill_text.h"
#include "host/kv_lang.h"

namespace vrx {

const char* ExitButton::TooltipText() {
  const std::string exit = KvLangString("QORVEXIT", "Exit Tavrin FM Player");
  const std::string close = kv::WithName(KvLangString("CLOSEMODULE", "Close %s"), Names().moduleName);
  tip_ = kind_ == kExit ? TwoActionText(exit, close) : TwoActionText(close, exit);
  return tip_.c_str();
}

void ExitButton::Action() {
  if ((kind_ == kExit) != ShiftHeld()) EngineWindowLink().Post(engine::kExit);
  QuitModule();
}

}  // namespace vrx
