// What the information displays ask of the engine and the system: the
// recording's state, path, length and file size, the free disk space under
// the recording folder, and the local time of day.
#pragma once

#include <cstdint>
#include <string>

#include "graphic/core/engine_window_link_win.h"

namespace vrx {

bool Recording(EngineWindowLink& engine);
// The recording's elapsed time as a clock text.
std::string ElapsedText(EngineWindowLink& engine);
// The space left to the user on the disk of the recording folder; empty
// when the path or the space cannot be had (no engine, a drive gone).
std::string FreeSpaceText(EngineWindowLink& engine);
// "+" and the recording file's size; a file that cannot be opened is +0 KB.
std::string RecordedSizeText(EngineWindowLink& engine);
// Seconds since local midnight.
uint32_t LocalSecondOfDay();

}  // namespace vrx
