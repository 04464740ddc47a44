#include "player/engine/record_name.h"

#include <cstdio>
#include <string>

namespace engine {
namespace {

std::string Padded(uint32_t value, int width) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*u", width, value);
  return text;
}

void ReplaceAll(std::string& s, const std::string& from, const std::string& to) {
  for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size())) s.replace(at, from.size(), to);
}

}  // namespace

std::string FillRecordName(const std::string& pattern, const DateTime& t) {
  std::string name = pattern.empty() ? kDefaultRecordTemplate : pattern;
  ReplaceAll(name, "<year>", Padded(t.year, 4));
  ReplaceAll(name, "<mon>", Padded(t.month, 2));
  ReplaceAll(name, "<dd>", Padded(t.day, 2));
  ReplaceAll(name, "<hh>", Padded(t.hour, 2));
  ReplaceAll(name, "<ii>", Padded(t.minute, 2));
  ReplaceAll(name, "<ss>", Padded(t.second, 2));

  const size_t slash = name.find_last_of('\\');
  const size_t dot = name.find_last_of('.');
  const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  if (hasExtension) name.resize(dot);
  if (name.empty() || name.back() == '\\') name += "Rad";
  return name + ".wav";
}

std::string NumberedRecordName(const std::string& path, uint32_t attempt) {
  if (attempt <= 1) return path;
  const size_t slash = path.find_last_of('\\');
  size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) dot = path.size();
  return path.substr(0, dot) + " (" + std::to_string(attempt) + ")" + path.substr(dot);
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace engine
