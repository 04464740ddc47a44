// Exit (slot 0) and close-module (slot 1): Shift swaps what they do.
#pragma once

#include <string>

#include "graphic/core/skin_button_win.h"

namespace vrx {

class ExitButton final : public SkinButton {
 public:
  enum Kind { kExit, kClose };
  explicit ExitButton(Kind kind) : kind_(kind) {}
  const char* TooltipText() override;
  void Action() override;

 private:
  Kind kind_;
  std::string tip_;
};

}  // namespace vrx
