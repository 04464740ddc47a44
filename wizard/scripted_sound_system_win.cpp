// The sound system of KvWizard's test build: described by SoundSystem.txt
// beside the program (no such file, or one too large: no devices), so a test
// or the tour gives the real wizard process devices and mixer lines it knows.
#include "host/program_folder_win.h"
#include "host/whole_file_win.h"
#include "wizard/scripted_sound_system.h"

namespace wizard {
namespace {

// A description of a few devices is a few kilobytes.
constexpr DWORD kMaxDescriptionBytes = 1u << 20;

}  // namespace

const SoundSystem& TheSoundSystem() {
  static const ScriptedSoundSystem system(
      kv::ReadWholeFile(kv::ProgramFolder() + "SoundSystem.txt", kMaxDescriptionBytes).value_or(std::string()));
  return system;
}

}  // namespace wizard
