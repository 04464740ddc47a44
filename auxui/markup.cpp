#include "auxui/markup.h"

#include <algorithm>
#include <cstdint>
#include <vector>

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

// A rich edit holds every line break as one character: "\r\n" and a lone
// "\n" become one "\r", and "\r\r\n" one character as well.
size_t LineBreakBytes(std::string_view text, size_t at) {
  if (text.compare(at, 3, "\r\r\n") == 0) return 3;
  if (text.compare(at, 2, "\r\n") == 0) return 2;
  return 1;
}

// Byte positions of the shown text as character positions of the control.
class ControlPositions {
 public:
  explicit ControlPositions(std::string_view shown) {
    int64_t merged = 0;
    for (size_t at = shown.find_first_of("\r\n"); at != std::string_view::npos;
         at = shown.find_first_of("\r\n", at)) {
      const size_t bytes = LineBreakBytes(shown, at);
      if (bytes > 1) {
        breaks_.push_back({at, at + bytes, merged});
        merged += static_cast<int64_t>(bytes) - 1;
      }
      at += bytes;
    }
  }

  // A position inside a break of several bytes lands right after it.
  int64_t Of(int64_t byte) const {
    const auto after = std::partition_point(breaks_.begin(), breaks_.end(), [&](const Break& b) {
      return static_cast<int64_t>(b.first) < byte;
    });
    if (after == breaks_.begin()) return byte;
    const Break& b = *(after - 1);
    const int64_t within = std::min<int64_t>(byte, static_cast<int64_t>(b.end)) - static_cast<int64_t>(b.first);
    return byte - b.mergedBefore - (within - 1);
  }

  void Map(TextMark& m) const {
    if (m.start < 0 || breaks_.empty()) return;
    const int64_t start = Of(m.start);
    const int64_t end = Of(int64_t{m.start} + m.length);
    m.start = static_cast<int32_t>(start);
    m.length = static_cast<int32_t>(end - start);
  }

 private:
  struct Break {
    size_t first;          // byte of its first character
    size_t end;            // byte after it
    int64_t mergedBefore;  // bytes that earlier breaks lose in the control
  };
  std::vector<Break> breaks_;
};

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
  const ControlPositions positions(shown);
  for (size_t i = 0; i < count; ++i) positions.Map(marks[i]);
  return shown;
}
