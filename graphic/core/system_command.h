// What the main window does with a system command (WM_SYSCOMMAND). The
// system menu offers only restore, minimize and close; the commands that the
// system sends for the whole desktop (screen saver, monitor power-off) go on
// to the default handling, or a module in the foreground would keep them
// from starting; every other command is ignored.
#pragma once

#include <cstdint>

namespace vrx {

// System command numbers as Windows passes them in wParam.
inline constexpr uint32_t kCommandMinimize = 0xF020;
inline constexpr uint32_t kCommandClose = 0xF060;
inline constexpr uint32_t kCommandRestore = 0xF120;
inline constexpr uint32_t kCommandScreenSave = 0xF140;
inline constexpr uint32_t kCommandMonitorPower = 0xF170;
inline constexpr uint32_t kCommandMask = 0xFFF0;  // the low four bits are the system's own

enum class SystemCommandAction { Ignore, Close, Minimize, Restore, Default };

constexpr SystemCommandAction ForSystemCommand(uintptr_t wParam) {
  switch (wParam & kCommandMask) {
    case kCommandClose: return SystemCommandAction::Close;
    case kCommandMinimize: return SystemCommandAction::Minimize;
    case kCommandRestore: return SystemCommandAction::Restore;
    case kCommandScreenSave:
    case kCommandMonitorPower: return SystemCommandAction::Default;
    default: return SystemCommandAction::Ignore;
  }
}

}  // namespace vrx
