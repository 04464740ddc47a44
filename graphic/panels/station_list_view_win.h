// The station list: the skin section List. It shows the frequencies of the
// stations that have station buttons as a (possibly slanted) text list, the
// playing one in the active font and colour, tunes the engine to a clicked
// line, and scrolls, wrapping round, while the mouse rests on its up or down
// area. An area with a pressed picture is also a button that steps to the
// previous or next station when released over it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "graphic/core/skin_control_win.h"
#include "graphic/core/skin_records.h"
#include "graphic/panels/station_list_layout.h"
#include "host/win_handle.h"

namespace vrx {

class StationListView final : public SkinControl {
 public:
  explicit StationListView(const skin::SkinListRecord& record);
  ~StationListView() override;

  void Paint(HDC dc) override;
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  enum Code { kNothing = 0, kUp = 1, kDown = 2, kLine = 3 };
  struct Hit {
    Code code = kNothing;
    uint32_t line = 0;
  };
  struct Area {
    RECT rect{};  // in main-window client coordinates
    std::optional<POINT> mask;
    std::optional<POINT> pressed;  // the pressed picture, when the skin gives one
  };
  struct Line {
    char text[16];       // KvAuxFreq2Text writes at most 12 bytes
    uint32_t frequency;  // the text read back, as a click tunes it
  };
  struct Look {
    kv::Font font;
    COLORREF colour = 0;
  };

  void ReadLines();
  void Measure();
  Hit HitTest() const;
  bool OnArea(const Area& area, POINT client) const;
  void Act(const Hit& hit);
  void SelectByFrequency(uint32_t frequency);
  void SelectIndex(int64_t index);
  void StartScrolling();
  void StopScrolling();
  void ScrollStep();
  bool Holding() const;
  void Cancel();
  void DrawArea(Code code);

  Area up_, down_;
  ListLayout layout_;
  Look normal_, active_;
  uint32_t speed_;
  std::vector<Line> lines_;
  int64_t active_line_ = -1;
  int64_t offset_ = 0;
  Code pressed_ = kNothing;  // kept here, since the capture may be gone by the time the press ends
  bool scrolling_ = false;
  ListScroll scroll_;
};

}  // namespace vrx
