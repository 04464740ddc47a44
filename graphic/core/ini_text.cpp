#include "graphic/core/ini_text.h"

namespace skin {
namespace {

std::string_view Trim(std::string_view s) {
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

}  // namespace

IniText::IniText(std::string_view text) {
  IniSection* current = nullptr;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = Trim(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.empty()) continue;  // a ';' line is a key no one asks for, as in the profile reader
    // A header runs to the last ']' of its line; without one the line is
    // not a header and reads as a key of the section it stands in.
    const std::size_t close = line.rfind(']');
    if (line.front() == '[' && close != std::string_view::npos) {
      sections_.push_back({std::string(Trim(line.substr(1, close - 1))), {}});
      current = &sections_.back();
      continue;
    }
    if (current == nullptr) continue;  // keys before the first section belong nowhere
    const std::size_t eq = line.find('=');
    std::string_view key = Trim(line.substr(0, eq));
    std::string_view value = eq == std::string_view::npos ? std::string_view() : Trim(line.substr(eq + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
      value = value.substr(1, value.size() - 2);
    current->entries.emplace_back(std::string(key), std::string(value));
  }
}

std::string IniText::Value(const char* section, const char* key, std::size_t maxChars) const {
  // The names asked for are trimmed like the names in the text.
  const std::string_view sectionName = Trim(section);
  const std::string_view keyName = Trim(key);
  for (const IniSection& s : sections_) {
    if (!SameName(s.name, sectionName)) continue;
    for (const auto& [k, v] : s.entries)
      if (SameName(k, keyName)) return v.substr(0, maxChars);
    return {};  // only the first section of a name counts
  }
  return {};
}

}  // namespace skin
