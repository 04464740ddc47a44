// The keyboard and the mouse wheel as commands to the engine and the module.
#pragma once

#include <cstdint>

#include "graphic/core/engine_link.h"

namespace vrx {

struct KeyModifiers {
  bool shift = false;
  bool alt = false;
};

// A WM_KEYDOWN or WM_SYSKEYDOWN; true for every key of the table, whether
// or not it did anything.
bool HandleKey(uint32_t virtualKey, uint32_t lParam, KeyModifiers modifiers, EngineLink& engine,
               ModuleCommands& module);

// A WM_MOUSEWHEEL: its wParam (distance and key flags) and the Alt key state.
void HandleWheel(uint32_t wParam, bool alt, EngineLink& engine);

// Both 16-bit halves of a volume message.
constexpr uint32_t BothHalves(uint32_t v) { return (v & 0xFFFF) | ((v & 0xFFFF) << 16); }

}  // namespace vrx
