#include "graphic/core/skin_values.h"

#include <cstdint>
#include <limits>

namespace skin {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 0;
}

}  // namespace

int32_t ParseLong(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > kLimit) value = kLimit;  // at most 15 digits, so this cannot overflow first
  }
  if (negative) return static_cast<int32_t>(-value);
  return static_cast<int32_t>(value >= kLimit ? kLimit - 1 : value);
}

int32_t ParseInteger(std::string_view text, int32_t fallback) {
  if (text.empty() || text == "None") return fallback;
  return ParseLong(text);
}

Color ParseColor(std::string_view text) {
  if (!text.empty() && text.front() == '#') text.remove_prefix(1);
  auto digit = [&](std::size_t i) { return i < text.size() ? HexValue(text[i]) : 0; };
  Color result = 0;
  for (int pair = 0; pair < 3; ++pair) {
    const unsigned value = static_cast<unsigned>(digit(2 * pair) * 16 + digit(2 * pair + 1)) & 0xFFu;
    result |= value << (8 * pair);
  }
  return result;
}

uint8_t ParseFamily(std::string_view text) {
  struct Family {
    const char* name;
    uint8_t value;
  };
  static constexpr Family kFamilies[] = {
      {"Decorative", 80}, {"Modern", 48}, {"Roman", 16}, {"Script", 64}, {"Swiss", 32},
  };
  for (const Family& f : kFamilies)
    if (EqualNoCase(text, f.name)) return f.value;
  return 0;
}

}  // namespace skin
