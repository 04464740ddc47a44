// Selects a station preset (with Shift the one a row of buttons further);
// labelled with the preset's frequency, its tooltip naming both presets.
#pragma once

#include <string>

#include "graphic/core/label_button_win.h"

namespace vrx {

class StationButton final : public LabelButton {
 public:
  explicit StationButton(int preset) : preset_(preset) {}
  bool Init(int slot) override;
  const char* TooltipText() override;
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void Action() override;

 private:
  void MakeLabel();
  uint32_t ShiftedPreset() const;

  int preset_;
  std::string tip_;
};

}  // namespace vrx
