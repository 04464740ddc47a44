// Tunes the next or previous station; its tooltip names that station.
#pragma once

#include <string>

#include "graphic/core/skin_button_win.h"

namespace vrx {

class StepButton final : public SkinButton {
 public:
  explicit StepButton(bool next) : next_(next) {}
  const char* TooltipText() override;
  void Action() override;

 private:
  bool next_;
  std::string tip_;
};

}  // namespace vrx
