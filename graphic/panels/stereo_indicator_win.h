// The stereo indicator (section IndicatorStereo): the skin's picture for
// stereo or for mono reception, following the engine's notices.
#pragma once

#include "graphic/core/skin_control_win.h"
#include "graphic/core/skin_records.h"

namespace vrx {

class StereoIndicator final : public SkinControl {
 public:
  explicit StereoIndicator(const skin::SkinControlRecord& record);

  void Paint(HDC dc) override;
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  skin::SkinControlRecord record_;
  bool stereo_;
};

}  // namespace vrx
