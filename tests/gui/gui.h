// Everything a GUI scenario uses: the install folder run, the recording
// engine window, the module's thread, real input, window probes and waits.
#pragma once

#include "tests/gui/engine_window.h"
#include "tests/gui/install_run.h"
#include "tests/gui/test_skin.h"
#include "tests/gui/user_input.h"
#include "tests/gui/window_probe.h"
#include "tests/support/message_sequence.h"
#include "tests/support/module_thread.h"
#include "tests/support/wait.h"
#include "tests/support/windows_found.h"
