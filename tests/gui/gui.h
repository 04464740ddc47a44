// Everything a GUI scenario uses: the install folder run, the recording
// engine window, the module's thread, real input and window probes.
#pragma once

#include "tests/gui/engine_window.h"
#include "tests/gui/install_run.h"
#include "tests/gui/module_thread.h"
#include "tests/gui/test_skin.h"
#include "tests/gui/user_input.h"
#include "tests/gui/window_probe.h"
