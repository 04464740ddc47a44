// Minimizes the window when it has a taskbar button; without one there would
// be nothing to bring it back by, so it closes the module instead.
#pragma once

#include "graphic/core/skin_button_win.h"

namespace vrx {

class MinimizeButton final : public SkinButton {
 public:
  const char* TooltipText() override;
  void Action() override;
};

}  // namespace vrx
