// The commands that leave the module: programs started, the help, the
// settings program, another graphic module, the recording folder, and the
// next skin. Keys, buttons and the right-click menu share them.
#pragma once

#include <windows.h>

#include <string>

#include "graphic/core/command_line.h"

namespace vrx {

// Starts a command line, found by the system's search (which begins with the
// host's folder). With wait, the exit code once it ends (a process that
// reports STILL_ACTIVE counts 0); otherwise, or when it cannot start, 0.
DWORD RunProgram(const std::string& commandLine, bool wait);

// A topic of the help file beside the host program, or "Content" for all of it.
void OpenHelpTopic(const char* topic);
void OpenSettings();
void OpenAlternativeModule();
void LaunchExternalApplication();
void OpenRecordingFolder();
void SwitchSkin(bool backward);
// Ends the module; the player goes on.
void QuitModule();

inline constexpr char kHelpPage[] = "gui.html";

}  // namespace vrx
