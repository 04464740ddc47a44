#include "graphic/core/settings_button_win.h"

#include "graphic/core/launch_win.h"
#include "host/kv_lang.h"

namespace vrx {

const char* SettingsButton::TooltipText() { return KvLangString("BTNSETTINGS", "Open Tavrin FM Player Settings"); }

void SettingsButton::Action() { OpenSettings(); }

}  // namespace vrx
