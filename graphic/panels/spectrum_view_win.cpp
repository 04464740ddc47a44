#include "graphic/panels/spectrum_view_win.h"

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

SpectrumGeometry GeometryOf(const skin::SkinSpectrumRecord& r) {
  SpectrumGeometry g;
  g.width = r.width, g.height = r.height, g.peakHeight = r.peakHeight;
  g.spTop = r.spTop, g.spBottom = r.spBottom, g.spLeft = r.spLeft, g.spRight = r.spRight;
  g.waTop = r.waTop, g.waBottom = r.waBottom, g.waLeft = r.waLeft, g.waRight = r.waRight;
  g.bands = r.bands;
  return g;
}

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
}

void SpectrumView::Apply(const SpectrumActions& a) {
  if (a.requestAnalysis && request_) *request_ = 1;
  if (a.startTimer) Timers().Start(this, kRefreshTimer, state_.settings().PeriodMs());
  if (a.stopTimer) Timers().Stop(this, kRefreshTimer);
}

bool SpectrumView::MouseInside() const {
  const POINT p = Controls().ToControl(*this);
  return p.x >= 0 && p.x < width && p.y >= 0 && p.y < height;
}

bool SpectrumView::HandleMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
  switch (message) {
    case WM_DESTROY:
      Timers().Stop(this, kRefreshTimer);
      return false;
    case WM_SETCURSOR: {
      if (!MouseInside()) return false;
      HCURSOR hand = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND));
      SetCursor(hand ? hand : LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
      *result = 1;
      return true;
    }
    case WM_TIMER:
      if (Timers().Is(wParam, this, kRefreshTimer)) {
        Apply(state_.Tick(info_));
        Controls().Invalidate(*this);
      }
      return false;
    case WM_LBUTTONDOWN: {
      if (!MouseInside()) return false;
      Apply(state_.Click());
      KvIniSetDword(Names().section, kSpModeKey, static_cast<uint32_t>(state_.mode()));
      Controls().Invalidate(*this);
      return true;
    }
    case engine::kNotifyAdvanced:
      Apply(state_.Engage(wParam != 0));
      return false;
    default:
      return false;
  }
}

void SpectrumView::Paint(HDC dc) {
  const HDC skin = Module().skinDc();
  if (!skin) return;
  switch (state_.mode()) {
    case SpectrumMode::kBarsAndPeaks:
    case SpectrumMode::kBars:
      PaintBars(dc, skin);
      break;
    case SpectrumMode::kWaveform:
    case SpectrumMode::kHistory:
      PaintWave(dc, skin);
      break;
    case SpectrumMode::kOff:
      break;  // the main window's background shows through
  }
}

void SpectrumView::PaintBars(HDC dc, HDC skin) const {
  const SpectrumModel& m = state_.model();
  const SpectrumGeometry& g = geometry_;
  if (!m.levels()) return;
  const int w = g.width, h = g.height, bandWidth = g.BandWidth();
  BitBlt(dc, 0, 0, w, h, skin, imageX_, imageY_, SRCCOPY);
  const int litY = imageY_ + h;
  for (int i = 0; i < m.bands(); ++i) {
    const int left = g.spLeft + i * bandWidth;
    const int bar = g.BarHeight(m.levels()[i]);
    if (bar > 0) BitBlt(dc, left, g.Baseline() - bar, bandWidth, bar, skin, imageX_ + left, litY + g.Baseline() - bar, SRCCOPY);
  }
  if (state_.mode() != SpectrumMode::kBarsAndPeaks || !m.peaks()) return;
  const int stripY = imageY_ + 2 * h;
  for (int i = 0; i < m.bands(); ++i) {
    const int left = g.spLeft + i * bandWidth;
    const int top = g.Baseline() - g.PeakLift(m.peaks()[i]);
    const POINT source = peakBg_ ? POINT{imageX_ + left, litY + top} : POINT{imageX_ + left, stripY};
    if (!peakMask_) {
      BitBlt(dc, left, top, bandWidth, g.peakHeight, skin, source.x, source.y, SRCCOPY);
      continue;
    }
    // The masked copy draws at the origin: move the origin to the marker.
    POINT old{};
    OffsetViewportOrgEx(dc, left, top, &old);
    DrawSkinImage(dc, skin, bandWidth, g.peakHeight, source.x, source.y, POINT{imageX_ + w + left, stripY});
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
  }
}

void SpectrumView::PaintWave(HDC dc, HDC skin) const {
  const SpectrumModel& m = state_.model();
  const SpectrumGeometry& g = geometry_;
  if (!m.history()) return;
  const int w = g.width, h = g.height;
  BitBlt(dc, 0, 0, w, h, skin, imageX_ + w, imageY_, SRCCOPY);
  const int traceX = imageX_ + w + g.waLeft, traceY = imageY_ + h;
  const int centre = g.WaveCentre();
  for (int col = 0; col < m.waveWidth(); ++col) {
    const uint8_t v = m.history()[col];
    if (state_.mode() == SpectrumMode::kWaveform) {
      const int row = centre - g.WaveOffset(v);
      BitBlt(dc, g.waLeft + col, row, 1, 1, skin, traceX + col, traceY + row, SRCCOPY);
    } else {
      const int a = g.HistoryOffset(v);
      BitBlt(dc, g.waLeft + col, centre - a, 1, 2 * a + 1, skin, traceX + col, traceY + centre - a, SRCCOPY);
    }
  }
}

}  // namespace vrx
