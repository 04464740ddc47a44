// The module's help page, or with Shift the player's whole help.
#pragma once

#include <string>

#include "graphic/core/skin_button_win.h"

namespace vrx {

class HelpButton final : public SkinButton {
 public:
  const char* TooltipText() override;
  void Action() override;

 private:
  std::string tip_;
};

}  // namespace vrx
