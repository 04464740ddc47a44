#include "graphic/panels/stereo_indicator_win.h"

#include <optional>

#include "graphic/core/bitmap_control_win.h"
#include "graphic/core/control_table_win.h"
#include "graphic/core/engine_window_link_win.h"
#include "graphic/core/module_state_win.h"
#include "host/engine_messages.h"

namespace vrx {

StereoIndicator::StereoIndicator(const skin::SkinControlRecord& r)
    : record_(r), stereo_(EngineWindowLink{}.Send(engine::kGetStereo) != 0) {
  x = r.windowX, y = r.windowY, width = r.width, height = r.height;
  Controls().Invalidate(*this);
}

void StereoIndicator::Paint(HDC dc) {
  std::optional<POINT> mask;
  if (record_.flags & skin::kFlagMask) mask = POINT{record_.maskX, record_.maskY};
  // A skin without a stereo picture shows its one picture for both.
  const bool alt = stereo_ && record_.altY >= 0;
  DrawSkinImage(dc, Module().skinDc(), width, height, alt ? record_.altX : record_.controlX,
                alt ? record_.altY : record_.controlY, mask);
}

bool StereoIndicator::HandleMessage(UINT message, WPARAM wParam, LPARAM, LRESULT*) {
  if (message == engine::kNotifyStereo) {
    stereo_ = wParam != 0;
    Controls().Invalidate(*this);
  }
  return false;
}

}  // namespace vrx
