#include "wizard/page_rules.h"

#include <cctype>

namespace wizard {

namespace {
constexpr size_t kExtensionChars = 4;  // ".lng"
constexpr size_t kDrivePrefix = 3;     // "C:\"
constexpr size_t kMaxFilePart = 259;
constexpr std::string_view kLanguageExtension = ".lng";
constexpr std::string_view kContentTopic = "Content";
}  // namespace

std::string LanguageName(std::string_view fileName) {
  std::string name(fileName.substr(0, fileName.size() > kExtensionChars ? fileName.size() - kExtensionChars : 0));
  for (char& c : name) c = char(std::tolower(static_cast<unsigned char>(c)));
  if (!name.empty()) name[0] = char(std::toupper(static_cast<unsigned char>(name[0])));
  return name;
}

std::optional<std::string> StoredLanguageEntry(std::string_view stored) {
  if (stored.size() < kExtensionChars) return std::nullopt;
  return std::string(stored.substr(0, stored.size() - kExtensionChars));
}

std::optional<std::string> LanguageFileFor(int position, std::string_view entry) {
  if (position <= 0 || entry.empty()) return std::nullopt;
  return std::string(entry) + std::string(kLanguageExtension);
}

std::string FolderOf(std::string_view fileName) {
  const size_t slash = fileName.rfind('\\');
  return slash == std::string_view::npos ? std::string() : std::string(fileName.substr(0, slash + 1));
}

std::optional<std::string> RecordNameFor(std::string_view field, unsigned format,
                                         const std::optional<std::string>& present) {
  if (field.empty()) return std::nullopt;
  std::string name(field);
  if (name.back() != '\\') name += '\\';
  if (format == 0) return name + std::string(kWavTemplate);
  const size_t slash = present ? present->rfind('\\') : std::string::npos;
  if (slash == std::string::npos) return name + std::string(kMp3Template);
  return name + present->substr(slash + 1, kMaxFilePart);
}

bool FreeSpaceRule::Changed(std::string_view field) {
  if (field.substr(0, kDrivePrefix) == std::string_view(last_).substr(0, kDrivePrefix)) return false;
  last_ = field;
  return true;
}

bool IsDrivePath(std::string_view field) { return field.size() >= kDrivePrefix && field[1] == ':' && field[2] == '\\'; }

std::string HelpParameters(std::string_view folder, std::string_view topic) {
  std::string p = "\"" + std::string(folder) + "KvHelp.chm";
  if (topic != kContentTopic) p += "::/" + std::string(topic);
  return p + "\"";
}

std::string CommandLine(std::string_view program, char switchChar) {
  std::string line = std::string(program) + " ";
  if (switchChar != 0) line += std::string(1, switchChar) + " ";
  return line;
}

std::optional<uint32_t> OldWindowsBlockSize(const std::optional<uint32_t>& stored) {
  constexpr uint32_t kSmallest = 2;
  constexpr uint32_t kRaisedTo = 4;
  if (stored && *stored > kSmallest) return std::nullopt;
  return kRaisedTo;
}

}  // namespace wizard
