// The built-in TV driver's settings dialog (template 173), shown in the
// settings frame when the user chooses the built-in driver. Its values stay
// in memory for the run: read from the store at its first opening, kept
// when it closes, stored by SaveTvDriver.
#pragma once

#include <windows.h>

#include "host/kv_api.h"

namespace wizard {

INT_PTR CALLBACK TvDriverProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Stores the values (all but Chip, which is stored when chosen); nothing
// when the dialog was never opened in this run.
void KV_CALL SaveTvDriver();

}  // namespace wizard
