// The station display's slot (73) as long as it shows nothing: an invisible
// control that takes the keyboard and the wheel.
#pragma once

#include "graphic/core/skin_control_win.h"

namespace vrx {

class StationDisplay final : public SkinControl {
 public:
  void Paint(HDC) override {}
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT*) override;
};

}  // namespace vrx
