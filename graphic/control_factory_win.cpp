#include "graphic/control_factory_win.h"

#include "graphic/core/module_state_win.h"
#include "graphic/core/skin_records.h"
#include "graphic/panels/spectrum_view_win.h"

namespace vrx {

std::unique_ptr<SkinControl> MakeControl(int slot) {
  // Buttons (slots 0-33), sliders (34-71), the station list (72), the
  // displays (73-76) and the spectrum view (77) join here as their classes
  // are built; until then their slots stay empty.
  switch (slot) {
    case skin::kSpectrum:
      return std::make_unique<SpectrumView>(Module().skin.spectrum);
    default:
      return nullptr;
  }
}

}  // namespace vrx
