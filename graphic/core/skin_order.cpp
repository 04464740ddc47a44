#include "graphic/core/skin_order.h"

#include <algorithm>

namespace vrx {
namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool LessNoCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return Lower(x) < Lower(y); });
}

bool EqualNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return Lower(x) == Lower(y);
         });
}

std::string_view FileName(std::string_view path) {
  const size_t slash = path.find_last_of('\\');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

constexpr std::string_view kBitmap = ".bmp";
constexpr size_t kExtension = 3;

}  // namespace

std::string DescriptionPath(std::string_view bitmap) {
  std::string path(bitmap.substr(0, bitmap.size() >= kExtension ? bitmap.size() - kExtension : 0));
  return path.append("txt");
}

std::optional<std::string> NextSkin(std::string_view folder, const std::vector<std::string>& entries,
                                    const std::function<bool(const std::string&)>& exists,
                                    std::string_view current, bool backward) {
  std::vector<std::string> descriptions;
  for (const std::string& name : entries) {
    if (name.size() < kBitmap.size() || !EqualNoCase(std::string_view(name).substr(name.size() - kBitmap.size()), kBitmap))
      continue;
    if (folder.size() + name.size() >= kMaxPathChars) continue;
    std::string path = DescriptionPath(std::string(folder).append(name));
    if (exists(path)) descriptions.push_back(std::move(path));
  }
  if (descriptions.empty()) return std::nullopt;
  std::sort(descriptions.begin(), descriptions.end(), LessNoCase);

  const std::string_view currentName = FileName(current);
  const auto found = std::find_if(descriptions.begin(), descriptions.end(),
                                  [&](const std::string& p) { return EqualNoCase(FileName(p), currentName); });
  size_t chosen = 0;
  if (found != descriptions.end()) {
    const size_t at = static_cast<size_t>(found - descriptions.begin());
    const size_t n = descriptions.size();
    chosen = backward ? (at + n - 1) % n : (at + 1) % n;
  }
  std::string bitmap(FileName(descriptions[chosen]));
  bitmap.replace(bitmap.size() - kExtension, kExtension, "bmp");
  return bitmap;
}

}  // namespace vrx
