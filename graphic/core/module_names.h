// The names that tell the two builds of the module apart. Everything else is
// the same source; VRX_SECOND_VARIANT selects the second set at compile time.
#pragma once

namespace vrx {

struct ModuleNames {
  const char* moduleName;   // display name, message box captions, window title
  const char* section;      // the module's settings section
  const char* mutexName;    // keeps each variant to one instance
  const char* windowClass;  // the main window's class
};

const ModuleNames& Names();

// Keys of the module's settings section, and the skins' folder under the host's.
inline constexpr char kSkinKey[] = "Skin";
inline constexpr char kFlagsKey[] = "Flags";
inline constexpr char kSkinFolder[] = "Varix\\";

}  // namespace vrx
