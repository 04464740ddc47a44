#include "graphic/panels/time_shift_slider_win.h"

#include "graphic/core/control_table_win.h"
#include "graphic/core/engine_window_link_win.h"
#include "host/engine_messages.h"
#include "host/kv_lang.h"

namespace vrx {
namespace {

// The range shown without an engine: the thumb at the start of the path.
constexpr int32_t kNoEngineRange = 100;

int32_t Seconds(uint32_t v) { return Held(int64_t{v}); }

}  // namespace

TimeShiftSlider::TimeShiftSlider(const skin::SkinSliderRecord& record)
    : Slider(record, kReportAtEnd), tip_(KvLangString("SHIFTTIME", "Shift the time")) {
  Refresh();
}

void TimeShiftSlider::Refresh() {
  EngineWindowLink link;
  if (!link.Exists()) {
    SetValue(0, kNoEngineRange, 0);
    return;
  }
  const uint32_t length = link.Send(engine::kGetTimeShiftMax);
  SetValue(0, Seconds(length), Seconds(link.Send(engine::kGetTimeShift)));
}

std::optional<uint32_t> TimeShiftSlider::Delay() const {
  return DelayOf(Value(), EngineWindowLink().Send(engine::kGetTimeShiftMax));
}

void TimeShiftSlider::ValueChanged() {
  EngineWindowLink link;
  if (!link.Exists()) return;
  // A slider that cannot move has no delay to tell.
  if (const std::optional<uint32_t> delay = Delay()) link.Post(engine::kSetTimeShift, *delay);
}

bool TimeShiftSlider::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == engine::kNotifyTimeShift || message == engine::kNotifyTimeShiftBuffer) Refresh();
  const bool consumed = Slider::HandleMessage(message, wParam, lParam, result);
  // The time under the thumb shows from the press on, without the rest.
  if (message == WM_LBUTTONDOWN && consumed) Controls().ShowTooltip(Controls().SlotOf(this));
  return consumed;
}

int TimeShiftSlider::HoverState() { return Dragging() ? kHoverFollow : Slider::HoverState(); }

const char* TimeShiftSlider::TooltipText() {
  if (!Dragging()) return tip_;
  SYSTEMTIME local{};
  GetLocalTime(&local);
  const uint32_t now = local.wHour * 3600u + local.wMinute * 60u + local.wSecond;
  clock_ = ClockText(TimeOfDayBehind(now, Delay().value_or(0)));
  return clock_.data();
}

}  // namespace vrx
