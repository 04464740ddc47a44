// A button that switches an engine state (stereo, recording, freeze, the
// advanced functions, the mutes). It shows the engine's state: asked at
// creation, then followed from the engine's notifications, never from its
// own click, so every running module shows the same.
#pragma once

#include "graphic/core/engine_toggles.h"
#include "graphic/core/skin_button_win.h"

namespace vrx {

class EngineToggleButton final : public SkinButton {
 public:
  explicit EngineToggleButton(const EngineToggle& toggle) : toggle_(toggle) {}
  bool Init(int slot) override;
  const char* TooltipText() override;
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void Action() override;

 private:
  const EngineToggle& toggle_;
  const char* tip_ = nullptr;
};

}  // namespace vrx
