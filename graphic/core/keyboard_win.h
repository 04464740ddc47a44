// Keys and the wheel of the main window, handed to the key and wheel tables.
// The station display takes them; a display with a frequency entry offers
// each key to the entry first and hands the rest here.
#pragma once

#include <windows.h>

namespace vrx {

// True when the message was a key of the table or the wheel.
bool ForwardKeyOrWheel(UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace vrx
