// The station list's numbers, without the platform: where each line lies
// (slanted, scrolled and wrapping), which line a point hits, the active
// line brought to the middle, and how far a rest on a scroll area moves the
// list. Lines, offsets and rows are pixels; times are milliseconds.
//
// A pitch of 0 or less, or no lines, lays out nothing, hits nothing and
// never scrolls; a speed of 0 never scrolls. Offsets and totals are kept in
// 64 bits, so any line count times any pitch is safe.
#pragma once

#include <cstdint>
#include <optional>

#include "host/settings_reader.h"

namespace vrx {

inline constexpr uint32_t kDefaultScrollSpeed = 80;  // pixels a second
inline constexpr char kScrollSpeedKey[] = "ScrollSpeed";
uint32_t ReadScrollSpeed(const SettingsReader& settings, const char* section);

// The scroll timer's period for a speed: three steps per pixel-time, at
// least 1 ms; none for a speed of 0.
std::optional<uint32_t> ScrollPeriodMs(uint32_t speed);

struct ListLayout {
  int32_t width = 0, height = 0;  // the list rectangle W x H
  int32_t dx = 0;                 // each line's shift against the one above
  int32_t pitch = 0;              // line height ih
  int32_t textWidth = 0;          // every line's box is this wide
  uint32_t count = 0;             // lines n

  bool Lays() const { return pitch > 0 && count > 0 && height > 0; }
  // n x ih: one turn of the wrapping list; 0 when nothing lays out.
  int64_t Total() const { return Lays() ? int64_t{count} * pitch : 0; }
  // Taller than the window: only then does the list scroll or centre.
  bool Scrolls() const { return Total() > height; }
};

// One line's box: its top-left corner in list coordinates (the top may lie
// above the window) and the layout's text width by the pitch.
struct LineBox {
  uint32_t line = 0;
  int64_t x = 0, y = 0;
};

// The lines that reach into the window, top to bottom, as drawn: from the
// line at the offset, wrapping after the last unless the list is unscrolled.
class LineWalk {
 public:
  LineWalk(const ListLayout& layout, int64_t offset);
  // The next box; false when the walk has left the window.
  bool Next(LineBox& box);

 private:
  const ListLayout& layout_;
  bool wraps_ = false;
  uint32_t line_ = 0;
  int64_t x_ = 0, y_ = 0;
  bool done_;
};

// The start column of the top line: 0, or for dx < 0 whatever brings the
// lowest line reaching into the window to column 0.
int64_t StartColumn(const ListLayout& layout, int64_t offset);

// The first line whose box holds the list point (px, py), if any.
std::optional<uint32_t> HitLine(const ListLayout& layout, int64_t offset, int64_t px, int64_t py);

// The offset that brings the active line to the middle of a list taller
// than its window; `offset` unchanged when every line fits or none is active.
int64_t CentreOffset(const ListLayout& layout, int64_t active, int64_t offset);

enum class ScrollDirection { kUp, kDown };

// Scrolling at `speed` pixels a second: Step moves by the whole pixels the
// time since the last move is worth, keeping the remainder for later.
class ListScroll {
 public:
  void Start(uint32_t now) { last_ = now, rest_ = 0; }
  // The new offset, or nothing when no whole pixel is due (or nothing
  // scrolls).
  std::optional<int64_t> Step(const ListLayout& layout, uint32_t speed, ScrollDirection direction, int64_t offset,
                              uint32_t now);

 private:
  uint32_t last_ = 0;
  uint32_t rest_ = 0;  // the part of a pixel moved beyond the last whole one, in thousandths
};

}  // namespace vrx
