#include "graphic/core/launch_button_win.h"

#include "graphic/core/command_line.h"
#include "graphic/core/launch_win.h"
#include "host/kv_lang.h"

namespace vrx {

const char* LaunchButton::TooltipText() {
  const std::string module = KvLangString("BTNALTGUI", "Open alternative graphic module");
  const std::string app = KvLangString("BTNEXTAPP", "Launch external application");
  tip_ = kind_ == kAlternativeModule ? module : kind_ == kExternalApplication ? app : TwoActionText(module, app);
  return tip_.c_str();
}

void LaunchButton::Action() {
  if (kind_ == kExternalApplication || (kind_ == kEither && ShiftHeld()))
    LaunchExternalApplication();
  else
    OpenAlternativeModule();
}

}  // namespace vrx
