// The module's commands for the key table: the launch functions.
#pragma once

#include "graphic/core/engine_link.h"
#include "graphic/core/launch_win.h"

namespace vrx {

class LaunchCommands final : public ModuleCommands {
 public:
  void Quit() override { QuitModule(); }
  void OpenSettings() override { vrx::OpenSettings(); }
  void OpenAlternativeModule() override { vrx::OpenAlternativeModule(); }
  void LaunchExternalApplication() override { vrx::LaunchExternalApplication(); }
  void OpenHelp(bool wholeHelp) override { OpenHelpTopic(wholeHelp ? kWholeHelp : kHelpPage); }
  void OpenRecordingFolder() override { vrx::OpenRecordingFolder(); }
  void SwitchSkin(bool backward) override { vrx::SwitchSkin(backward); }
};

}  // namespace vrx
