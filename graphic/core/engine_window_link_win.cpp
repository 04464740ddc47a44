#include "graphic/core/engine_window_link_win.h"

#include <windows.h>

#include "auxui/kv_aux.h"
#include "graphic/core/module_state_win.h"

namespace vrx {
namespace {
constexpr size_t kStationTextSize = 272;
}

bool EngineWindowLink::Exists() const { return Module().engineWindow != nullptr; }

uint32_t EngineWindowLink::Send(uint32_t message, uint32_t wParam, uint32_t lParam) {
  if (!Exists()) return 0;
  return static_cast<uint32_t>(SendMessageA(Module().engineWindow, message, wParam, static_cast<LPARAM>(lParam)));
}

void EngineWindowLink::Post(uint32_t message, uint32_t wParam, uint32_t lParam) {
  // A null window would post to this thread's own queue.
  if (Exists()) PostMessageA(Module().engineWindow, message, wParam, static_cast<LPARAM>(lParam));
}

bool EngineWindowLink::AskStation(uint32_t message, StationInfo& station) {
  if (!Exists()) return false;
  // The engine writes into this process while the send waits.
  const LRESULT written = SendMessageA(Module().engineWindow, message, GetCurrentProcessId(),
                                       reinterpret_cast<LPARAM>(&station));
  station.name[kStationNameSize - 1] = '\0';
  return written != 0;
}

std::string StationText(const StationInfo& station) {
  char text[kStationTextSize] = {};
  KvAuxStation(station.frequency, station.name, text);
  return text;
}

}  // namespace vrx
