#include "auxui/markup.h"

#include <cstdint>

namespace {

constexpr char kMarkerLead = '\\';
constexpr size_t kMarkerLength = 2;
constexpr int32_t kNotFound = -1;

// Where a position of the text lands once the marker at `removed` is gone:
// before it nothing moves, inside it lands on the marker's place, after it
// moves back by the marker's length.
int64_t PositionAfterRemoval(int64_t position, int64_t removed) {
  if (position <= removed) return position;
  if (position < removed + static_cast<int64_t>(kMarkerLength)) return removed;
  return position - static_cast<int64_t>(kMarkerLength);
}

// Keeps the regions of marks [0, count) on the same characters after a
// marker was cut out at `removed`.
void AlignEarlierMarks(TextMark* marks, size_t count, size_t removed) {
  for (size_t i = 0; i < count; ++i) {
    TextMark& m = marks[i];
    if (m.start < 0) continue;
    const int64_t start = PositionAfterRemoval(m.start, static_cast<int64_t>(removed));
    const int64_t end = PositionAfterRemoval(int64_t{m.start} + m.length, static_cast<int64_t>(removed));
    m.start = static_cast<int32_t>(start);
    m.length = static_cast<int32_t>(end - start);
  }
}

// Finds and cuts the marker of a kind, searching from `from`.
size_t CutMarker(std::string& shown, char kind, size_t from) {
  const char marker[kMarkerLength] = {kMarkerLead, kind};
  const size_t at = shown.find(std::string_view(marker, kMarkerLength), from);
  if (at != std::string::npos) shown.erase(at, kMarkerLength);
  return at;
}

}  // namespace

std::string ApplyMarkup(std::string_view text, TextMark* marks, size_t count) {
  std::string shown(text);
  if (marks == nullptr) return shown;
  for (size_t i = 0; i < count; ++i) marks[i].start = kNotFound, marks[i].length = 0;
  // Positions of a region are 32-bit; a text longer than that keeps the
  // markers it has beyond.
  if (shown.size() > static_cast<size_t>(INT32_MAX)) return shown;

  for (size_t i = 0; i < count; ++i) {
    TextMark& mark = marks[i];
    const size_t open = CutMarker(shown, mark.kind, 0);
    if (open == std::string::npos) continue;
    mark.start = static_cast<int32_t>(open);
    AlignEarlierMarks(marks, i, open);
    const size_t close = CutMarker(shown, mark.kind, open);
    if (close == std::string::npos) continue;
    mark.length = static_cast<int32_t>(close - open);
    AlignEarlierMarks(marks, i, close);
  }
  return shown;
}
