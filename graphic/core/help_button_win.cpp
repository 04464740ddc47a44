#include "graphic/core/help_button_win.h"

#include "graphic/core/command_line.h"
#include "graphic/core/launch_win.h"
#include "graphic/core/module_names.h"
#include "host/fill_text.h"
#include "host/kv_lang.h"

namespace vrx {

const char* HelpButton::TooltipText() {
  tip_ = TwoActionText(kv::WithName(KvLangString("MODULEHELP", "%s Help"), Names().moduleName),
                       KvLangString("QORVHELP", "Tavrin FM Player Help"));
  return tip_.c_str();
}

void HelpButton::Action() { OpenHelpTopic(ShiftHeld() ? kWholeHelp : kHelpPage); }

}  // namespace vrx
