#include "graphic/core/keyboard_win.h"

#include "graphic/core/engine_window_link_win.h"
#include "graphic/core/key_table.h"
#include "graphic/core/module_commands_win.h"

namespace vrx {

bool ForwardKeyOrWheel(UINT message, WPARAM wParam, LPARAM lParam) {
  EngineWindowLink engine;
  LaunchCommands commands;
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      const KeyModifiers modifiers{GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_MENU) < 0};
      return HandleKey(static_cast<uint32_t>(wParam), static_cast<uint32_t>(lParam), modifiers, engine, commands);
    }
    case WM_MOUSEWHEEL:
      HandleWheel(static_cast<uint32_t>(wParam), GetKeyState(VK_MENU) < 0, engine);
      return true;
    default:
      return false;
  }
}

}  // namespace vrx
