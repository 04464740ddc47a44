#include "graphic/panels/spectrum_view_win.h"

#include <algorithm>

#include "graphic/core/bitmap_control_win.h"
#include "graphic/core/control_table_win.h"
#include "graphic/core/module_names.h"
#include "graphic/core/module_state_win.h"
#include "graphic/core/module_timers_win.h"
#include "host/engine_messages.h"
#include "host/kv_ini.h"
#include "host/settings.h"

namespace vrx {
namespace {

constexpr UINT kRefreshTimer = 60;
constexpr char kAnalyzerDll[] = "Prismo.dll";
using AddressExport = void*(KV_CALL*)();

bool AskEngaged() {
  const HWND engine = Module().engineWindow;
  return engine && SendMessageA(engine, engine::kGetAdvanced, 0, 0) != 0;
}

}  // namespace

SpectrumView::SpectrumView(const skin::SkinSpectrumRecord& record)
    : geometry_(GeometryOf(record)),
      imageX_(record.controlX),
      imageY_(record.controlY),
      peakMask_(record.flags & skin::kSpectrumPeakMask),
      peakBg_(record.flags & skin::kSpectrumPeakBg),
      analyzer_(LoadLibraryA(kAnalyzerDll)),
      state_(ReadSpectrumSettings(kv::StoreSettings{}, Names().section), record.bands, geometry_.WaveWidth()) {
  x = record.windowX, y = record.windowY, width = record.width, height = record.height;
  if (const auto getShared = analyzer_.Export<AddressExport>("GetPrismo")) {
    request_ = static_cast<volatile int32_t*>(getShared());
    if (request_) *request_ = 1;
  }
  if (const auto getInfo = analyzer_.Export<AddressExport>("GetPrismoInfo"))
    info_ = static_cast<const uint8_t*>(getInfo());
  Apply(state_.Create(AskEngaged()));
  if (const HDC skin = Module().skinDc()) {
    back_ = kv::MemoryDc(skin);
    backBitmap_ = kv::Bitmap(CreateCompatibleBitmap(skin, width, height));
    if (back_ && backBitmap_) backSelected_ = kv::Selection(back_.get(), backBitmap_.get());
    if (!backSelected_) back_.reset();
    work_ = kv::MemoryDc(skin);
    workBitmap_ = kv::Bitmap(CreateCompatibleBitmap(skin, std::max(geometry_.BandWidth(), 1), std::max(geometry_.peakHeight, 1)));
    if (work_ && workBitmap_) workSelected_ = kv::Selection(work_.get(), workBitmap_.get());
    if (!workSelected_) work_.reset();
  }
  Refresh();
}

void SpectrumView::Apply(const SpectrumActions& a) {
  if (a.requestAnalysis && request_) *request_ = 1;
  if (a.startTimer) Timers().Start(this, kRefreshTimer, state_.settings().PeriodMs());
  if (a.stopTimer) Timers().Stop(this, kRefreshTimer);
}

bool SpectrumView::HandleMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
  switch (message) {
    case WM_DESTROY:
      Timers().Stop(this, kRefreshTimer);
      return false;
    case WM_SETCURSOR: {
      if (!Controls().MouseInside(*this)) return false;
      ShowHandCursor();
      *result = 1;
      return true;
    }
    case WM_TIMER:
      if (Timers().Is(wParam, this, kRefreshTimer)) {
        Apply(state_.Tick(info_));
        Refresh();
      }
      return false;
    case WM_LBUTTONDOWN: {
      if (!Controls().MouseInside(*this)) return false;
      Apply(state_.Click());
      KvIniSetDword(Names().section, kSpModeKey, static_cast<uint32_t>(state_.mode()));
      Refresh();
      return true;
    }
    case engine::kNotifyAdvanced:
      Apply(state_.Engage(wParam != 0));
      return false;
    default:
      return false;
  }
}

void SpectrumView::Refresh() {
  const SpectrumChange change = picture_.Update(state_, geometry_);
  if (!change.Any()) return;
  const HDC skin = Module().skinDc();
  if (back_ && skin) Draw(back_.get(), skin, change.whole);
  if (change.whole) {
    Controls().Invalidate(*this);
    return;
  }
  const bool bars = state_.mode() == SpectrumMode::kBarsAndPeaks || state_.mode() == SpectrumMode::kBars;
  const int left = bars ? geometry_.spLeft : geometry_.waLeft, cell = bars ? geometry_.BandWidth() : 1;
  Controls().Invalidate(*this, RECT{left + change.first * cell, 0, left + change.last * cell, height});
}

void SpectrumView::Paint(HDC dc) {
  if (state_.mode() == SpectrumMode::kOff) return;  // the main window's background shows through
  if (back_) {
    BitBlt(dc, 0, 0, width, height, back_.get(), 0, 0, SRCCOPY);
    return;
  }
  if (const HDC skin = Module().skinDc()) Draw(dc, skin, true);
}

void SpectrumView::Draw(HDC dc, HDC skin, bool whole) const {
  switch (state_.mode()) {
    case SpectrumMode::kBarsAndPeaks:
    case SpectrumMode::kBars:
      DrawBars(dc, skin, whole);
      break;
    case SpectrumMode::kWaveform:
    case SpectrumMode::kHistory:
      DrawWave(dc, skin, whole);
      break;
    case SpectrumMode::kOff:
      break;
  }
}

// A band drawn again starts from its column of the unlit picture.
void SpectrumView::DrawBars(HDC dc, HDC skin, bool whole) const {
  const SpectrumGeometry& g = geometry_;
  const int w = g.width, h = g.height, bandWidth = g.BandWidth();
  if (whole) BitBlt(dc, 0, 0, w, h, skin, imageX_, imageY_, SRCCOPY);
  const int litY = imageY_ + h, stripY = imageY_ + 2 * h;
  for (int i = 0; i < picture_.cells(); ++i) {
    if (!whole && !picture_.changed(i)) continue;
    const SpectrumCell& c = picture_.cell(i);
    const int left = g.spLeft + i * bandWidth;
    if (!whole) BitBlt(dc, left, 0, bandWidth, h, skin, imageX_ + left, imageY_, SRCCOPY);
    if (c.height > 0) BitBlt(dc, left, c.top, bandWidth, c.height, skin, imageX_ + left, litY + c.top, SRCCOPY);
    if (c.marker == SpectrumCell::kNoMarker) continue;
    const POINT source = peakBg_ ? POINT{imageX_ + left, litY + c.marker} : POINT{imageX_ + left, stripY};
    if (!peakMask_) {
      BitBlt(dc, left, c.marker, bandWidth, g.peakHeight, skin, source.x, source.y, SRCCOPY);
      continue;
    }
    // The masked copy draws at the origin: move the origin to the marker.
    POINT old{};
    OffsetViewportOrgEx(dc, left, c.marker, &old);
    const POINT mask{imageX_ + w + left, stripY};
    if (work_)
      DrawSkinImage(dc, skin, work_.get(), bandWidth, g.peakHeight, source.x, source.y, mask);
    else
      DrawSkinImage(dc, skin, bandWidth, g.peakHeight, source.x, source.y, mask);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
  }
}

void SpectrumView::DrawWave(HDC dc, HDC skin, bool whole) const {
  const SpectrumGeometry& g = geometry_;
  const int w = g.width, h = g.height;
  const int backgroundX = imageX_ + w, traceY = imageY_ + h;
  if (whole) BitBlt(dc, 0, 0, w, h, skin, backgroundX, imageY_, SRCCOPY);
  for (int col = 0; col < picture_.cells(); ++col) {
    if (!whole && !picture_.changed(col)) continue;
    const SpectrumCell& c = picture_.cell(col);
    const int x = g.waLeft + col;
    if (!whole) BitBlt(dc, x, 0, 1, h, skin, backgroundX + x, imageY_, SRCCOPY);
    BitBlt(dc, x, c.top, 1, c.height, skin, backgroundX + x, traceY + c.top, SRCCOPY);
  }
}

}  // namespace vrx
