// The spectrum view: the skin section Spectrum. It loads the analyzer
// plug-in into the module's process, asks it for analysis through its
// shared record, reads the rows on its refresh timer and copies every pixel
// it shows from the skin bitmap. It composes its picture off screen, drawing
// again only the bands or columns that moved, and copies what changed to
// the window in one go.
#pragma once

#include <windows.h>

#include <cstdint>

#include "graphic/core/skin_control_win.h"
#include "graphic/core/skin_records.h"
#include "graphic/panels/spectrum_model.h"
#include "host/win_handle.h"

namespace vrx {

class SpectrumView final : public SkinControl {
 public:
  explicit SpectrumView(const skin::SkinSpectrumRecord& record);
  ~SpectrumView() override = default;

  void Paint(HDC dc) override;
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  void Apply(const SpectrumActions& actions);
  // Brings the picture up to the model and repaints what moved.
  void Refresh();
  void Draw(HDC dc, HDC skin, bool whole) const;
  void DrawBars(HDC dc, HDC skin, bool whole) const;
  void DrawWave(HDC dc, HDC skin, bool whole) const;

  SpectrumGeometry geometry_;
  int imageX_, imageY_;  // the pictures' corner in the skin bitmap
  bool peakMask_, peakBg_;
  kv::Library analyzer_;
  volatile int32_t* request_ = nullptr;  // the analyzer's request flag, shared by every process
  const uint8_t* info_ = nullptr;        // its result area, written by the analyzer's threads
  SpectrumViewState state_;
  SpectrumPicture picture_{state_.model().bands(), state_.model().waveWidth()};
  // The picture as composed, and the masked markers' work bitmap: made with
  // the view, so that a tick makes no GDI object. Each selection goes before
  // its bitmap and DC.
  kv::MemoryDc back_, work_;
  kv::Bitmap backBitmap_, workBitmap_;
  kv::Selection backSelected_, workSelected_;
};

}  // namespace vrx
