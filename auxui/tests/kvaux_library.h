// KvAux.dll as its callers meet it: loaded by name, every export looked up
// with GetProcAddress.
#pragma once

#include <windows.h>

#include "auxui/kv_aux.h"
#include "host/win_handle.h"

// A window of a test, destroyed when it goes away.
struct WindowTraits {
  using Handle = HWND;
  static constexpr Handle Null() { return nullptr; }
  static bool Valid(Handle h) { return h != nullptr; }
  static void Release(Handle h) { DestroyWindow(h); }
};
using Window = kv::Owner<WindowTraits>;

class KvAuxLibrary {
 public:
  // KvAux.dll, or a test build of it by another name.
  explicit KvAuxLibrary(const char* file = "KvAux.dll");
  KvAuxLibrary(const KvAuxLibrary&) = delete;
  KvAuxLibrary& operator=(const KvAuxLibrary&) = delete;

  // True when the library loaded and every export was found.
  bool complete() const;
  // An export of the library beyond the KvAux ones (a test build's).
  template <typename F>
  F Export(const char* name) const {
    return module_.Export<F>(name);
  }

  decltype(&KvAuxStationList) StationList = nullptr;
  decltype(&KvAuxFreeBuffer) FreeBuffer = nullptr;
  decltype(&KvAuxFreq2Text) Freq2Text = nullptr;
  decltype(&KvAuxText2Freq) Text2Freq = nullptr;
  decltype(&KvAuxStation) Station = nullptr;
  decltype(&KvAuxGetPresets) GetPresets = nullptr;
  decltype(&KvAuxSetPresets) SetPresets = nullptr;
  decltype(&KvAuxIsFilterActive) IsFilterActive = nullptr;
  decltype(&KvAuxRE) RE = nullptr;
  decltype(&KvAuxRESetText) RESetText = nullptr;
  decltype(&KvAuxREBold) REBold = nullptr;
  decltype(&KvAuxRELink) RELink = nullptr;
  decltype(&KvAuxGetVersion) GetVersion = nullptr;
  decltype(&KvAuxButton) Button = nullptr;
  decltype(&KvAuxBackground) Background = nullptr;
  decltype(&KvAuxDlgProc) DlgProc = nullptr;
  decltype(&KvAuxTransparent) Transparent = nullptr;

 private:
  template <typename F>
  bool Find(const char* name, F& out) {
    out = module_.Export<F>(name);
    return out != nullptr;
  }

  kv::Library module_;
  bool complete_ = false;
};
