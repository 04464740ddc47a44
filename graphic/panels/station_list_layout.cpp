#include "graphic/panels/station_list_layout.h"

namespace vrx {
namespace {

constexpr uint32_t kStepsPerPixelTime = 3;
constexpr uint32_t kMsPerSecond = 1000;

// Offsets outside one turn (a stale value) are brought back into it.
int64_t IntoTurn(int64_t offset, int64_t total) {
  if (total <= 0) return 0;
  offset %= total;
  return offset < 0 ? offset + total : offset;
}

}  // namespace

uint32_t ReadScrollSpeed(const SettingsReader& settings, const char* section) {
  return settings.DwordOr(section, kScrollSpeedKey, kDefaultScrollSpeed);
}

std::optional<uint32_t> ScrollPeriodMs(uint32_t speed) {
  if (speed == 0) return std::nullopt;
  const uint64_t period = kMsPerSecond / (uint64_t{speed} * kStepsPerPixelTime);
  return period < 1 ? 1 : static_cast<uint32_t>(period);
}

LineWalk::LineWalk(const ListLayout& layout, int64_t offset) : layout_(layout), done_(!layout.Lays()) {
  if (done_) return;
  offset = IntoTurn(offset, layout.Total());
  wraps_ = offset != 0;  // an unscrolled list is not repeated
  line_ = static_cast<uint32_t>(offset / layout.pitch);
  y_ = -(offset % layout.pitch);
  x_ = StartColumn(layout, offset);
}

bool LineWalk::Next(LineBox& box) {
  if (done_) return false;
  if (line_ >= layout_.count) {
    if (!wraps_) {
      done_ = true;
      return false;
    }
    line_ = 0;
  }
  box = {line_, x_, y_};
  ++line_;
  x_ += layout_.dx;
  y_ += layout_.pitch;
  done_ = y_ >= layout_.height;
  return true;
}

int64_t StartColumn(const ListLayout& layout, int64_t offset) {
  if (layout.dx >= 0 || !layout.Lays()) return 0;
  const int64_t ih = layout.pitch;
  const int64_t rem = IntoTurn(offset, layout.Total()) % ih;
  // The window's rows below the partly hidden top line; a window shorter
  // than that line's visible part holds that line alone.
  int64_t below = rem != 0 ? layout.height + rem - ih : layout.height;
  if (below < 0) below = 0;
  const int64_t rows = (rem != 0 ? 1 : 0) + below / ih + (below % ih != 0 ? 1 : 0);
  return -(rows - 1) * layout.dx;
}

std::optional<uint32_t> HitLine(const ListLayout& layout, int64_t offset, int64_t px, int64_t py) {
  if (px < 0 || py < 0 || px >= layout.width || py >= layout.height) return std::nullopt;
  LineWalk walk(layout, offset);
  for (LineBox box; walk.Next(box) && box.y <= py;)
    if (px >= box.x && px < box.x + layout.textWidth && py < box.y + layout.pitch) return box.line;
  return std::nullopt;
}

int64_t CentreOffset(const ListLayout& layout, int64_t active, int64_t offset) {
  if (active < 0 || active >= layout.count || !layout.Scrolls()) return offset;
  const int64_t centred = layout.pitch * active - (int64_t{layout.height} - layout.pitch) / 2;
  return centred < 0 ? centred + layout.Total() : centred;
}

std::optional<int64_t> ListScroll::Step(const ListLayout& layout, uint32_t speed, ScrollDirection direction,
                                        int64_t offset, uint32_t now) {
  const int64_t total = layout.Total();
  if (total <= 0) return std::nullopt;
  // A timer ticks every 10 ms or more however short its period, a fraction
  // of a pixel apart at 80 pixels a second: the fraction carries over, or
  // the list would run at 50.
  const uint64_t thousandths = uint64_t{now - last_} * speed + rest_;
  const uint64_t d = thousandths / kMsPerSecond;
  if (d == 0) return std::nullopt;  // the time keeps adding up
  last_ = now;
  rest_ = static_cast<uint32_t>(thousandths % kMsPerSecond);
  const int64_t move = static_cast<int64_t>(d % static_cast<uint64_t>(total));
  offset = IntoTurn(offset, total);
  return direction == ScrollDirection::kDown ? (offset + move) % total : (offset + total - move) % total;
}

}  // namespace vrx
