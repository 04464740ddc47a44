#include "graphic/panels/equalizer_button_win.h"

#include "graphic/core/engine_window_link_win.h"
#include "graphic/panels/equalizer_link_win.h"
#include "host/kv_lang.h"

namespace vrx {

EqualizerButton::~EqualizerButton() { Equalizer().Unload(); }

bool EqualizerButton::Init(int slot) {
  settingsMessage_ = EqualizerSettingsMessage();
  Equalizer().Load();
  if (!SkinButton::Init(slot)) return false;
  on_ = Equalizer().IsEnabled();
  return true;
}

const char* EqualizerButton::TooltipText() { return KvLangString("BTNEQUALIZER", "Enable the equalizer"); }

bool EqualizerButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == settingsMessage_ && settingsMessage_ != 0) {
    // Every other control sees the message too.
    SetOn(Equalizer().IsEnabled());
    return false;
  }
  return SkinButton::HandleMessage(message, wParam, lParam, result);
}

void EqualizerButton::Action() {
  // Without a plug-in only the picture changes.
  SetOn(!on_);
  Equalizer().SetEnabled(on_);
  EngineWindowLink().Post(settingsMessage_);
}

}  // namespace vrx
