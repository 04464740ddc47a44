// The factory that knows every control class: slot number to control. It
// sits above the core and the panels, so neither depends on the other.
#pragma once

#include <memory>

#include "graphic/core/skin_control_win.h"

namespace vrx {

// The control of a present slot, built from that slot's skin record; null
// for slots whose control does not exist.
std::unique_ptr<SkinControl> MakeControl(int slot);

}  // namespace vrx
