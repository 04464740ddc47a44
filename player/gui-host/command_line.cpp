#include "player/gui-host/command_line.h"

#include <cstdlib>

namespace guihost {

Command ParseCommand(const std::vector<std::string>& args) {
  Command c;
  if (args.empty() || args[0].size() != 1) return c;
  const char letter = args[0][0];
  if (letter == 'p' || letter == 'P') {
    if (args.size() < 2) return c;
    const std::string& module = args[1];
    // Only modules of the player's own folder are run.
    if (module.empty() || module == "." || module == ".." || module.find_first_of("\\/:") != std::string::npos)
      return c;
    c.run = RunModule{module};
  } else if (letter == 'm' || letter == 'M') {
    ShowMenu m;
    if (args.size() >= 2) m.number = std::strtoul(args[1].c_str(), nullptr, 10);
    if (args.size() >= 3) m.moduleName = args[2];
    if (args.size() >= 4) m.argument = args[3];
    c.menu = m;
  }
  return c;
}

}  // namespace guihost
