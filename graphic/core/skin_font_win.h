// A font as a skin section describes it (size, weight, pitch and family,
// face), for the labels, the station list and the information displays.
#pragma once

#include <windows.h>

#include "graphic/core/skin_records.h"
#include "host/win_handle.h"

namespace vrx {

// Height is the negative of the size (a character height, not a cell
// height); angle in tenths of a degree. Null when the system refuses it:
// text is then drawn in the DC's own font.
kv::Font MakeSkinFont(const skin::Font& f, BYTE quality, LONG angle = 0);

}  // namespace vrx
