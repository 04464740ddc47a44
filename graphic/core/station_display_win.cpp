#include "graphic/core/station_display_win.h"

#include "graphic/core/keyboard_win.h"

namespace vrx {

bool StationDisplay::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT*) {
  return ForwardKeyOrWheel(message, wParam, lParam);
}

}  // namespace vrx
