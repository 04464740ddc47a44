// Opens the player's settings program.
#pragma once

#include "graphic/core/skin_button_win.h"

namespace vrx {

class SettingsButton final : public SkinButton {
 public:
  const char* TooltipText() override;
  void Action() override;
};

}  // namespace vrx
