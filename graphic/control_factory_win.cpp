#include "graphic/control_factory_win.h"

#include "graphic/core/skin_records.h"

namespace vrx {

std::unique_ptr<SkinControl> MakeControl(int slot) {
  // Buttons (slots 0-33), sliders (34-71), the station list (72), the
  // displays (73-76) and the spectrum view (77) join here as their classes
  // are built; until then their slots stay empty.
  switch (slot) {
    default:
      return nullptr;
  }
}

}  // namespace vrx
