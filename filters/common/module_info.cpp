#include "filters/common/module_info.h"

namespace filters {

ModuleInfo* FillFilterInfo(ModuleInfo* info, const char* name) {
  if (info != nullptr) {
    info->kind = kModuleAudioFilter;
    info->name = name;
  }
  return info;
}

}  // namespace filters
