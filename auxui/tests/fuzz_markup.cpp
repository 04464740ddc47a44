// The mark-up parser over arbitrary texts: the first bytes choose the kinds
// of up to four marks, the rest is the text.
#include <cstdlib>
#include <string>

#include "auxui/markup.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const size_t count = data[0] % 5;
  if (size < 1 + count) return 0;
  TextMark marks[4];
  for (size_t i = 0; i < count; ++i) marks[i] = {0, 0, static_cast<char>(data[1 + i])};
  const std::string text(reinterpret_cast<const char*>(data + 1 + count), size - 1 - count);
  const std::string shown = ApplyMarkup(text.c_str(), marks, count);  // as a C text, like the caller's
  if (shown.size() > text.size()) std::abort();
  for (size_t i = 0; i < count; ++i) {
    const TextMark& m = marks[i];
    if (m.start == -1) {
      if (m.length != 0) std::abort();
      continue;
    }
    if (m.start < 0 || m.length < 0 || static_cast<size_t>(m.start) + m.length > shown.size()) std::abort();
  }
  return 0;
}
