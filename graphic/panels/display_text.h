// The texts and geometry of the information displays: clocks across
// midnight, clock cells, the marquee, the free-space folder of a recording
// path and the station text. Portable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "graphic/panels/display_modes.h"

namespace vrx {

inline constexpr uint32_t kSecondsPerDay = 86400;

// Seconds since midnight.
uint32_t SecondOfDay(uint32_t hours, uint32_t minutes, uint32_t seconds);
// The time of day of sound heard `delay` seconds late, wrapping back across
// midnight; now itself when nothing is delayed.
uint32_t ShiftedTime(uint32_t now, uint32_t delay);
// "hh:mm:ss"; hours above 99 take more digits.
std::string ClockText(uint32_t seconds);

// A clock drawn one character per cell, so that its digits do not jump.
struct ClockCells {
  int digit = 0;  // the widest of the ten digits
  int colon = 0;
  // Width of "hh:mm:ss".
  int Width() const { return 6 * digit + 2 * colon; }
  // Left edge of each character of text, from the clock's start.
  int Offset(std::string_view text, size_t index) const;
};

// Start column of a clock centred in a display of width w; a display
// narrower than its clock draws from column 0.
int CentredClockStart(int displayWidth, const ClockCells& cells);
// The time display's two clocks side by side: the left one ends a cell
// before the middle, the right one starts a cell after it. A narrow display
// keeps them apart, starting the left one at column 0.
struct ClockPair {
  int left;
  int right;
};
ClockPair ClockPairStarts(int displayWidth, const ClockCells& cells);

// The marquee: a text wider than its display moves one pixel per tick and
// starts again after its width and the gap.
inline constexpr uint32_t kMarqueePeriodMs = 50;
struct Marquee {
  int textWidth = 0;
  int gap = 0;
  int scroll = 0;
  void Tick() {
    ++scroll;
    if (scroll >= textWidth + gap) scroll = 0;
  }
};

// The characters of one copy of a marquee's text that reach into its
// display: the copy starts at `origin` (negative once it has moved left),
// ends[i] is the width of its first i + 1 characters, the display is `width`
// wide. One character more on either side keeps the ink of a glyph that
// overhangs its cell. Drawing only these keeps a tick's cost to what shows,
// however long the text.
struct TextRun {
  size_t first = 0;
  size_t count = 0;
  int x = 0;  // where the first of them starts
  bool operator==(const TextRun&) const = default;
};
TextRun VisibleRun(std::span<const int> ends, int origin, int width);

// Where to ask for the free space of a recording path: a drive's root
// ("D:\") for a drive path, else the folder before the last backslash;
// empty when the path names neither.
std::string FreeSpaceFolder(std::string_view recordingPath);

// The station text in one of its forms (kStationFull, kStationName,
// kFrequency): a station without a name shows the frequency in every form.
std::string StationFormText(const std::string& frequencyText, std::string_view name, StationShow form);

}  // namespace vrx
