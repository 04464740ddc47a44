// The skin bitmap selected into a memory DC compatible with the screen; the
// DC is the image and mask source of every control for one skin run.
#pragma once

#include <windows.h>

#include <string>

#include "host/win_handle.h"

namespace vrx {

class SkinImage {
 public:
  // Loads the bitmap file at its own size; false (and nothing held) when it
  // does not load.
  bool Load(const std::string& bitmapPath);
  // Deselects the bitmap, deletes the DC, then the bitmap.
  void Release();
  HDC dc() const { return dc_.get(); }

 private:
  // Declared so that destruction deselects first and deletes the bitmap last.
  kv::Bitmap bitmap_;
  kv::MemoryDc dc_;
  kv::Selection selection_;
};

}  // namespace vrx
