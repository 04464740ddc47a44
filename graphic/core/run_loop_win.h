// The module's life: the single-instance rule, the check for a player
// installation, and the loop that loads a skin, runs its window and starts
// again when the engine or the system asks for a rebuild.
#pragma once

#include "graphic/core/control_table_win.h"

namespace vrx {

// Runs the module on the calling thread, building each skin's controls
// with the factory; returns when it is closed, or at once when this variant
// already runs or no engine lies beside the host.
void RunModule(ControlFactory factory);

}  // namespace vrx
