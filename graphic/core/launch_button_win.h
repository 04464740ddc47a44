// Opens the alternative graphic module, the external application, or
// either (the application with Shift).
#pragma once

#include <string>

#include "graphic/core/skin_button_win.h"

namespace vrx {

class LaunchButton final : public SkinButton {
 public:
  enum Kind { kAlternativeModule, kExternalApplication, kEither };
  explicit LaunchButton(Kind kind) : kind_(kind) {}
  const char* TooltipText() override;
  void Action() override;

 private:
  Kind kind_;
  std::string tip_;
};

}  // namespace vrx
