#include "auxui/tests/kvaux_library.h"

KvAuxLibrary::KvAuxLibrary(const char* file) : module_(LoadLibraryA(file)) {
  complete_ = static_cast<bool>(module_);
  complete_ &= Find("KvAuxStationList", StationList);
  complete_ &= Find("KvAuxFreeBuffer", FreeBuffer);
  complete_ &= Find("KvAuxFreq2Text", Freq2Text);
  complete_ &= Find("KvAuxText2Freq", Text2Freq);
  complete_ &= Find("KvAuxStation", Station);
  complete_ &= Find("KvAuxGetPresets", GetPresets);
  complete_ &= Find("KvAuxSetPresets", SetPresets);
  complete_ &= Find("KvAuxIsFilterActive", IsFilterActive);
  complete_ &= Find("KvAuxRE", RE);
  complete_ &= Find("KvAuxRESetText", RESetText);
  complete_ &= Find("KvAuxREBold", REBold);
  complete_ &= Find("KvAuxRELink", RELink);
  complete_ &= Find("KvAuxGetVersion", GetVersion);
  complete_ &= Find("KvAuxButton", Button);
  complete_ &= Find("KvAuxBackground", Background);
  complete_ &= Find("KvAuxDlgProc", DlgProc);
  complete_ &= Find("KvAuxTransparent", Transparent);
}

bool KvAuxLibrary::complete() const { return complete_; }
