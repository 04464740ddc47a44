// EnginePost.exe: posts one setting to the running engine's window, as a
// module's button would, for scripts such as the demo.
//   EnginePost advanced 1     the advanced functions (the plug-ins) on
//   EnginePost volume 80      a line's volume, 0 ... 100 (also volume-rec,
//                             volume-wav, volume-fm, volume-rad, volume-all)
// Exit code 0 when posted, 1 without an engine window, 2 for a bad command line.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "host/engine_messages.h"

namespace {

struct Setting {
  const char* name;
  engine::Msg message;
  bool bothHalves;  // a two-channel volume: the value in each 16-bit half
};
using engine::Line;
using engine::SetVolume;
constexpr Setting kSettings[] = {
    {"advanced", engine::kSetAdvanced, false},
    {"volume", SetVolume(Line::SoundLines), true},
    {"volume-rec", SetVolume(Line::Record), true},
    {"volume-wav", SetVolume(Line::WaveOut), true},
    {"volume-fm", engine::kSetFmVolume, false},
    {"volume-rad", SetVolume(Line::Radio), true},
    {"volume-all", SetVolume(Line::All), true},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const Setting* setting = nullptr;
  for (const Setting& s : kSettings)
    if (std::strcmp(argv[1], s.name) == 0) setting = &s;
  char* end = nullptr;
  unsigned long value = std::strtoul(argv[2], &end, 0);
  if (!setting || *end != '\0' || (setting->bothHalves && value > 0xFFFF)) return 2;
  if (setting->bothHalves) value += value * 65536;
  const HWND engine = FindWindowA(engine::kWindowClass, nullptr);
  if (!engine) return 1;
  return PostMessageA(engine, setting->message, value, 0) ? 0 : 1;
}
