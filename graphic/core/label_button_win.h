// A button with a text on it, in the skin's font, colours and angle.
#pragma once

#include <string>

#include "graphic/core/label_geometry.h"
#include "graphic/core/skin_button_win.h"
#include "host/win_handle.h"

namespace vrx {

class LabelButton : public SkinButton {
 public:
  bool Init(int slot) override;
  void Paint(HDC dc) override;

 protected:
  std::string label_;

 private:
  kv::Font font_;
  COLORREF colour_ = 0;
  COLORREF pressedColour_ = 0;
  TextAngle angle_;
};

}  // namespace vrx
