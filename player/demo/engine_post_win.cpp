// EnginePost.exe: posts one setting to the running engine's window, as a
// module's button would, for scripts such as the demo.
//   EnginePost advanced 1     the advanced functions (the plug-ins) on
// Exit code 0 when posted, 1 without an engine window, 2 for a bad command line.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "host/engine_messages.h"

namespace {

struct Setting {
  const char* name;
  engine::Msg message;
};
constexpr Setting kSettings[] = {{"advanced", engine::kSetAdvanced}};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const Setting* setting = nullptr;
  for (const Setting& s : kSettings)
    if (std::strcmp(argv[1], s.name) == 0) setting = &s;
  char* end = nullptr;
  const unsigned long value = std::strtoul(argv[2], &end, 0);
  if (!setting || *end != '\0') return 2;
  const HWND engine = FindWindowA(engine::kWindowClass, nullptr);
  if (!engine) return 1;
  return PostMessageA(engine, setting->message, value, 0) ? 0 : 1;
}
