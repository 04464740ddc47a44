#include "graphic/core/module_names.h"

namespace vrx {

const ModuleNames& Names() {
#if defined(VRX_SECOND_VARIANT)
  static constexpr ModuleNames kNames{"Varix B 2.39", "VrxB", "QorvVarixBMutex", "QorvVarixB"};
#else
  static constexpr ModuleNames kNames{"Varix 2.39", "Vrx", "QorvVarixMutex", "QorvVarix"};
#endif
  return kNames;
}

}  // namespace vrx
