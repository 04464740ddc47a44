// The main window's picture composed off screen: the background and the
// controls go into it and reach the screen in one copy, so the screen never
// shows the background of a part that a control is about to cover.
#pragma once

#include <windows.h>

#include "host/win_handle.h"

namespace vrx {

class PaintBuffer {
 public:
  // A buffer of the window's size, in the format of `like`; none when it
  // cannot be made.
  void Make(HDC like, int width, int height) {
    Release();
    dc_ = kv::MemoryDc(like);
    if (dc_) bitmap_ = kv::Bitmap(CreateCompatibleBitmap(like, width, height));
    if (bitmap_) selected_ = kv::Selection(dc_.get(), bitmap_.get());
    if (!selected_) Release();
  }
  // The selection goes before its bitmap and DC.
  void Release() {
    selected_.reset();
    bitmap_.reset();
    dc_.reset();
  }
  HDC dc() const { return selected_ ? dc_.get() : nullptr; }

 private:
  kv::MemoryDc dc_;
  kv::Bitmap bitmap_;
  kv::Selection selected_;
};

}  // namespace vrx
