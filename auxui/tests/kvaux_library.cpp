#include "auxui/tests/kvaux_library.h"

namespace {

template <typename F>
bool Find(HMODULE module, const char* name, F& out) {
  out = module ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
  return out != nullptr;
}

}  // namespace

KvAuxLibrary::KvAuxLibrary() : module_(LoadLibraryA("KvAux.dll")) {
  complete_ = module_ != nullptr;
  complete_ &= Find(module_, "KvAuxStationList", StationList);
  complete_ &= Find(module_, "KvAuxFreeBuffer", FreeBuffer);
  complete_ &= Find(module_, "KvAuxFreq2Text", Freq2Text);
  complete_ &= Find(module_, "KvAuxText2Freq", Text2Freq);
  complete_ &= Find(module_, "KvAuxStation", Station);
  complete_ &= Find(module_, "KvAuxGetPresets", GetPresets);
  complete_ &= Find(module_, "KvAuxSetPresets", SetPresets);
  complete_ &= Find(module_, "KvAuxIsFilterActive", IsFilterActive);
  complete_ &= Find(module_, "KvAuxRE", RE);
  complete_ &= Find(module_, "KvAuxRESetText", RESetText);
  complete_ &= Find(module_, "KvAuxREBold", REBold);
  complete_ &= Find(module_, "KvAuxRELink", RELink);
  complete_ &= Find(module_, "KvAuxGetVersion", GetVersion);
}

KvAuxLibrary::~KvAuxLibrary() {
  if (module_) FreeLibrary(module_);
}

bool KvAuxLibrary::complete() const { return complete_; }
