// The time display (section InfoTime): the time of day and, while the
// engine plays from its time-shift buffer, the time of day of the sound
// heard; a click chooses both clocks, the first or the second.
#pragma once

#include "graphic/panels/text_display_win.h"

namespace vrx {

class TimeDisplay final : public TextDisplay {
 public:
  explicit TimeDisplay(const skin::SkinTimeRecord& record);

  void Paint(HDC dc) override;
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  bool Click() override;

  skin::SkinTimeRecord record_;
  uint32_t mode_;
  uint32_t lastSecond_ = 0;
};

}  // namespace vrx
