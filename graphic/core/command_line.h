// Command lines of the programs the module starts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vrx {

struct SplitCommand {
  std::string program;                    // empty: nothing to start
  std::optional<std::string> parameters;  // none when nothing follows
};

// An ExtApp value: a program in double quotes, or up to the first blank;
// the parameters after it with leading blanks skipped. A quote left open
// takes the rest as the program.
SplitCommand SplitExternalApplication(std::string_view text);

inline constexpr char kHostProgram[] = "KvGUI.exe";
inline constexpr char kWholeHelp[] = "Content";  // the help topic naming the whole help

// `KvGUI.exe p "<module>"`: the host program opening another graphic module.
std::string AlternativeModuleCommand(std::string_view module);

// The help viewer's parameter: the help file in the host folder, at a topic
// unless the whole help ("Content") is asked for.
std::string HelpParameter(std::string_view hostFolder, std::string_view topic);

// "%s\r\n+Shift: %s": a plain click's text, then a Shift-click's.
std::string TwoActionText(std::string_view plain, std::string_view shifted);

}  // namespace vrx
