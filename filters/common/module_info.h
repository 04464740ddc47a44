// GetInfo of every audio-filter plug-in: kind 2 and the plug-in's name.
#pragma once

#include "host/records.h"

namespace filters {

// Stores kind 2 and name (a text owned by the plug-in, valid while it is
// loaded) into info and returns info. A null info is returned untouched.
ModuleInfo* FillFilterInfo(ModuleInfo* info, const char* name);

}  // namespace filters
