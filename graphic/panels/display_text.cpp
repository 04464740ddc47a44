#include "graphic/panels/display_text.h"

#include <algorithm>
#include <cstdio>

namespace vrx {
namespace {
constexpr char kNameSeparator[] = " - ";
}

uint32_t SecondOfDay(uint32_t hours, uint32_t minutes, uint32_t seconds) {
  return hours * 3600 + minutes * 60 + seconds;
}

uint32_t ShiftedTime(uint32_t now, uint32_t delay) {
  // A delay of more than a day (an engine's odd answer) still lands on a
  // time of day.
  const int64_t t = (int64_t{now} - int64_t{delay}) % kSecondsPerDay;
  return static_cast<uint32_t>(t < 0 ? t + kSecondsPerDay : t);
}

std::string ClockText(uint32_t t) {
  char text[32];
  std::snprintf(text, sizeof text, "%02u:%02u:%02u", t / 3600, t / 60 % 60, t % 60);
  return text;
}

int ClockCells::Offset(std::string_view text, size_t index) const {
  int x = 0;
  for (size_t i = 0; i < index && i < text.size(); ++i) x += text[i] == ':' ? colon : digit;
  return x;
}

int CentredClockStart(int w, const ClockCells& cells) { return std::max(0, (w - cells.Width()) / 2); }

ClockPair ClockPairStarts(int w, const ClockCells& cells) {
  const int left = std::max(0, w / 2 - cells.digit - cells.Width());
  return {left, left + cells.Width() + 2 * cells.digit};
}

std::string FreeSpaceFolder(std::string_view path) {
  constexpr size_t kRootChars = 3;  // "D:\"
  if (path.size() >= 2 && path[1] == ':') return std::string(path.substr(0, kRootChars));
  const size_t cut = path.rfind('\\');
  if (cut == std::string_view::npos || cut == 0) return {};
  return std::string(path.substr(0, cut));
}

std::string StationFormText(const std::string& frequencyText, std::string_view name, StationShow form) {
  if (name.empty() || form == StationShow::kFrequency) return frequencyText;
  if (form == StationShow::kStationName) return std::string(name);
  return frequencyText + kNameSeparator + std::string(name);
}

TextRun VisibleRun(std::span<const int> ends, int origin, int width) {
  const size_t n = ends.size();
  if (n == 0 || width <= 0) return {};
  const int64_t left = -int64_t{origin}, right = int64_t{width} - origin;  // the display in the text's own columns
  // The first character that ends right of the display's left edge ...
  size_t first = static_cast<size_t>(std::upper_bound(ends.begin(), ends.end(), left) - ends.begin());
  // ... and the first after it that starts at or beyond its right edge.
  size_t end = right <= 0 ? 0 : 1 + static_cast<size_t>(std::lower_bound(ends.begin(), ends.end() - 1, right) - ends.begin());
  if (first > 0) --first;
  end = std::min(n, end + 1);
  if (first >= end) return {};
  return {first, end - first, origin + (first ? ends[first - 1] : 0)};
}

}  // namespace vrx
