// Programs a scenario lets the module start: the command recorder copied
// into the scenario's install folder under the names it stands for, and what
// those copies recorded.
#pragma once

#include <string>
#include <vector>

#include "tests/support/wait.h"

namespace gui {

// Copies the recorder into the install folder as `name` (KvSetup.exe, ...),
// where a program started by name is found first. The first stand-in of a
// scenario forgets the starts recorded by the scenarios before.
bool StandIn(const std::string& name);
// The same in the system folder, where the shell looks first for a program
// it opens by bare name (hh.exe); removed when the scenario's process ends.
// The test prefix's system folder is the scenarios' own (they never run at
// once: they share the desktop).
bool SystemStandIn(const std::string& name);
// Removes the system stand-ins that a scenario which crashed or was killed
// left in the prefix; every scenario starts with this.
void ClearSystemStandIns();

// "<file name>|<command line>" of every start so far, once `count` have
// been recorded (or the timeout has passed).
std::vector<std::string> Launched(size_t count = 1, unsigned long timeoutMs = wintest::kProgramStartWaitMs);

}  // namespace gui
