// The host program's command line: "p <module>" runs a graphic module,
// "m <n> "<module name>" "<argument>"" shows the right-click menu.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace guihost {

struct RunModule {
  std::string module;  // a file name in the program folder
};

struct ShowMenu {
  unsigned long number = 0;
  std::string moduleName;
  std::string argument;
};

struct Command {
  std::optional<RunModule> run;
  std::optional<ShowMenu> menu;
};

// args: the arguments after the program's own name, already unquoted.
// Nothing is returned for an unknown letter, a missing module or a module
// named with a path.
Command ParseCommand(const std::vector<std::string>& args);

}  // namespace guihost
