// The sound system of KvWizard's test build: described by SoundSystem.txt
// beside the program (no such file: no devices), so a test or the tour gives
// the real wizard process devices and mixer lines it knows.
#include <fstream>
#include <iterator>

#include "host/program_folder_win.h"
#include "wizard/scripted_sound_system.h"

namespace wizard {

const SoundSystem& TheSoundSystem() {
  static const ScriptedSoundSystem system([] {
    std::ifstream file(kv::ProgramFolder() + "SoundSystem.txt", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }());
  return system;
}

}  // namespace wizard
