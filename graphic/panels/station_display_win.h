// The station display (section InfoStation, always present): the station's
// frequency and name, with MoreInfo also clocks, the free space and the
// recording's information, moved on by clicks. Every key and wheel turn of
// the main window passes through it: the direct frequency entry takes
// digits, the module's key and wheel handling the rest. Without a usable
// section it is invisible and still takes the keyboard.
#pragma once

#include "graphic/panels/display_modes.h"
#include "graphic/panels/frequency_entry.h"
#include "graphic/panels/text_display_win.h"

namespace vrx {

class StationDisplay final : public TextDisplay {
 public:
  // sections: whether the skin has a time and a record display beside it.
  StationDisplay(const skin::SkinInfoRecord& record, StationSections sections);

  void Paint(HDC dc) override;
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  bool Click() override;
  bool Key(UINT message, WPARAM wParam, LPARAM lParam);
  void Apply(const EntryActions& actions);
  void StartRefreshTimer();
  void Refresh();
  void ShowStation(StationShow form);
  skin::Color ColourOf(DisplayColour colour) const;
  bool visible() const { return width > 0 && height > 0; }

  skin::SkinInfoRecord record_;
  StationSections sections_;
  StationModes modes_;
  FrequencyEntry entry_;
  bool recording_ = false;  // as the engine last said, for the recording view
  uint32_t lastSecond_ = 0;
};

}  // namespace vrx
