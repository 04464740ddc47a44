#include "graphic/core/engine_toggle_button_win.h"

#include "graphic/core/engine_window_link_win.h"
#include "host/kv_lang.h"

namespace vrx {

bool EngineToggleButton::Init(int slot) {
  if (!SkinButton::Init(slot)) return false;
  tip_ = KvLangString(toggle_.tipKey, toggle_.tipDefault);
  const bool state = EngineWindowLink().Send(toggle_.query) != 0;
  on_ = state != toggle_.invert;
  return true;
}

const char* EngineToggleButton::TooltipText() { return tip_; }

bool EngineToggleButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == toggle_.notification) SetOn((wParam != 0) != toggle_.invert);
  return SkinButton::HandleMessage(message, wParam, lParam, result);
}

void EngineToggleButton::Action() {
  const bool stateShown = on_ != toggle_.invert;
  EngineWindowLink().Post(toggle_.command, stateShown ? 0 : 1);
}

}  // namespace vrx
