#include "tests/gui/launched.h"

#include <windows.h>

#include <fstream>

#include "tests/gui/install_run.h"
#include "tests/support/wait.h"

namespace gui {
namespace {

std::vector<std::string> ReadStarts() {
  std::vector<std::string> lines;
  std::ifstream in(Install() + "started.txt");
  for (std::string line; std::getline(in, line);)
    if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace

bool StandIn(const std::string& name) {
  return CopyFileA(TAVRIN_COMMAND_RECORDER, (Install() + name).c_str(), FALSE) != 0;
}

std::vector<std::string> Launched(size_t count, unsigned long timeoutMs) {
  wintest::WaitUntil([&] { return ReadStarts().size() >= count; }, timeoutMs);
  return ReadStarts();
}

}  // namespace gui
