// The module's life: the single-instance rule, the check for a player
// installation, and the loop that loads a skin, runs its window and starts
// again when the engine or the system asks for a rebuild.
#pragma once

#include <windows.h>

#include "graphic/core/control_table_win.h"
#include "graphic/core/module_state_win.h"

namespace vrx {

// Runs the module on the calling thread, building each skin's controls
// with the factory; returns when it is closed, or at once when this variant
// already runs or no engine lies beside the host.
void RunModule(ControlFactory factory);

// The request a message of the engine or the system carries: a close
// (0xC00) or a rebuild (a posted 0xC30, "KvEngineStarted"); None for any
// other message. A sent 0xC30 only tells the controls.
Ending RequestOf(UINT message, bool sent);

// Ends the run from wherever the thread pumps messages, modal loops (menus,
// message boxes) included: they end on WM_QUIT and post it again, and the
// module's loop takes it once the messages queued before it are handled. A
// close asked for first stays a close. Everything that closes or rebuilds
// the module goes through here.
void EndRun(Ending ending);

}  // namespace vrx
