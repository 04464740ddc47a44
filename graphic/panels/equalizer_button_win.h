// Switches the equalizer on and off: both bypass words of the plug-in's
// record and LDisable / RDisable; the band gains stay. It shows the
// record's state at creation and whenever "EqualizerSettings" arrives.
#pragma once

#include "graphic/core/skin_button_win.h"

namespace vrx {

class EqualizerButton final : public SkinButton {
 public:
  ~EqualizerButton() override;
  bool Init(int slot) override;
  const char* TooltipText() override;
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void Action() override;

 private:
  UINT settingsMessage_ = 0;
};

}  // namespace vrx
