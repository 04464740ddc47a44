// The engine link over the engine's window: messages to the window found
// when the main window was made, nothing when there is none.
#pragma once

#include <string>

#include "graphic/core/engine_link.h"
#include "host/records.h"

namespace vrx {

class EngineWindowLink final : public EngineLink {
 public:
  bool Exists() const override;
  uint32_t Send(uint32_t message, uint32_t wParam = 0, uint32_t lParam = 0) override;
  void Post(uint32_t message, uint32_t wParam = 0, uint32_t lParam = 0) override;

  // Has the engine fill a record of this process by a station query
  // (0x751, 0x758, 0x759); false when it did not.
  bool AskStation(uint32_t message, StationInfo& station);
};

// A station record as one line of text: its frequency and name.
std::string StationText(const StationInfo& station);

}  // namespace vrx
