// Programs a scenario lets the module start: the command recorder copied
// into the scenario's install folder under the names it stands for, and what
// those copies recorded.
#pragma once

#include <string>
#include <vector>

namespace gui {

// Copies the recorder into the install folder as `name` (KvSetup.exe, ...).
bool StandIn(const std::string& name);

// "<file name>|<command line>" of every start so far, once `count` have
// been recorded (or the timeout has passed).
std::vector<std::string> Launched(size_t count = 1, unsigned long timeoutMs = 5000);

}  // namespace gui
