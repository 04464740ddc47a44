#include "player/lang/lng_parser.h"

namespace lang {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsKeyChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string Unescape(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 1 < s.size()) {
      const char next = s[i + 1];
      if (next == 'n' || next == 't' || next == '\\') {
        out += next == 'n' ? '\n' : next == 't' ? '\t' : '\\';
        ++i;
        continue;
      }
    }
    out += s[i];
  }
  return out;
}

void ParseLine(std::string_view line, Table& table) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.find('\0') != std::string_view::npos) return;
  const std::string_view lead = Trim(line);
  if (lead.empty() || lead.front() == ';' || lead.front() == '#') return;
  const size_t eq = line.find('=');
  if (eq == std::string_view::npos) return;
  const std::string_view key = Trim(line.substr(0, eq));
  if (key.empty()) return;
  for (char c : key)
    if (!IsKeyChar(c)) return;
  table[std::string(key)] = Unescape(line.substr(eq + 1));
}

}  // namespace

Table ParseLng(std::string_view bytes) {
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  if (bytes.substr(0, kBom.size()) == kBom) bytes.remove_prefix(kBom.size());
  Table table;
  while (!bytes.empty()) {
    const size_t end = bytes.find('\n');
    ParseLine(bytes.substr(0, end), table);
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 1);
  }
  return table;
}

}  // namespace lang
