// Keeps the window on top or not; shows the window's topmost style, however
// it came about.
#pragma once

#include "graphic/core/skin_button_win.h"

namespace vrx {

class TopmostButton final : public SkinButton {
 public:
  bool Init(int slot) override;
  const char* TooltipText() override;
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void Action() override;

 private:
  bool WindowTopmost() const;
};

}  // namespace vrx
