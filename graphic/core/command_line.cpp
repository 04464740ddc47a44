#include "graphic/core/command_line.h"

namespace vrx {
namespace {

constexpr char kOpenModule[] = " p ";
constexpr char kHelpFile[] = "KvHelp.chm";

}  // namespace

SplitCommand SplitExternalApplication(std::string_view text) {
  SplitCommand out;
  std::string_view rest;
  if (!text.empty() && text.front() == '"') {
    const size_t close = text.find('"', 1);
    out.program = std::string(text.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
    rest = close == std::string_view::npos ? std::string_view{} : text.substr(close + 1);
  } else {
    const size_t blank = text.find(' ');
    out.program = std::string(text.substr(0, blank));
    rest = blank == std::string_view::npos ? std::string_view{} : text.substr(blank + 1);
  }
  const size_t first = rest.find_first_not_of(' ');
  if (first != std::string_view::npos) out.parameters = std::string(rest.substr(first));
  return out;
}

std::string AlternativeModuleCommand(std::string_view module) {
  std::string line(kHostProgram);
  line.append(kOpenModule).append(1, '"').append(module).append(1, '"');
  return line;
}

std::string HelpParameter(std::string_view hostFolder, std::string_view topic) {
  std::string parameter(1, '"');
  parameter.append(hostFolder).append(kHelpFile);
  if (topic != kWholeHelp) parameter.append("::/").append(topic);
  parameter += '"';
  return parameter;
}

std::string TwoActionText(std::string_view plain, std::string_view shifted) {
  std::string text(plain);
  text.append("\r\n+Shift: ").append(shifted);
  return text;
}

}  // namespace vrx
