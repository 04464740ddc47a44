#include "auxui/filter_list.h"

#include <cstring>

namespace {

char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  return true;
}

}  // namespace

bool IsFilterListed(std::span<const uint8_t> stored, std::string_view name) {
  const char* p = reinterpret_cast<const char*>(stored.data());
  size_t left = stored.size();
  while (left > 0) {
    const void* nul = std::memchr(p, '\0', left);
    if (nul == nullptr) return false;  // an unterminated tail is no name
    const size_t n = static_cast<const char*>(nul) - p;
    if (n > 0 && SameIgnoringCase(std::string_view(p, n), name)) return true;
    p += n + 1;
    left -= n + 1;
  }
  return false;
}
