// What the language and record-folder pages and the launchers decide, without
// the platform: names of languages from their files, the stored record name,
// when the free space is computed again, and the command lines started.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wizard {

// "RUSSIAN.LNG" -> "Russian": the file name without its last four
// characters, lower case with the first character upper case.
std::string LanguageName(std::string_view fileName);
// The list entry a stored KvLang/FileName matches: the value without its last
// four characters; nothing for a value shorter than four.
std::optional<std::string> StoredLanguageEntry(std::string_view stored);
// The value to store for a chosen entry: "<name>.lng", nothing for the
// default entry (position 0) or an empty name.
std::optional<std::string> LanguageFileFor(int position, std::string_view entry);

// The folder part of KvSave/FileName: up to and with its last backslash;
// empty without one.
std::string FolderOf(std::string_view fileName);
// What leaving the folder page stores in KvSave/FileName for the field's
// text, the stored Format (0 when missing) and the present FileName;
// nothing for an empty field.
std::optional<std::string> RecordNameFor(std::string_view field, unsigned format,
                                         const std::optional<std::string>& present);
constexpr std::string_view kWavTemplate = "Rad <year>-<mon>-<dd> <hh>-<ii>-<ss>.wav";
constexpr std::string_view kMp3Template = "Rad <year>-<mon>-<dd> <hh>-<ii>-<ss>.mp3";

// The free space is computed again only when the field's first three
// characters change (the drive, when it is "X:\").
class FreeSpaceRule {
 public:
  // True when `field` needs a new computation; it is remembered then.
  bool Changed(std::string_view field);

 private:
  std::string last_;
};
// Whether a field names a drive's folder ("C:\..."), the only kind queried.
bool IsDrivePath(std::string_view field);
constexpr unsigned kBytesPerMegabyte = 1048576;
// Megabytes of free bytes, kept in 32 bits.
constexpr unsigned long MegabytesOf(unsigned long long bytes) {
  return static_cast<unsigned long>(static_cast<unsigned>(bytes / kBytesPerMegabyte));
}

// The KvFilters/BlockSize the finish page stores on the Windows 95 family,
// which needs larger sound blocks: 4 for a missing value or one of at most 2;
// nothing (leave it) otherwise.
std::optional<uint32_t> OldWindowsBlockSize(const std::optional<uint32_t>& stored);

// The parameters of the help viewer: "\"<folder>KvHelp.chm::/<topic>\"", the
// topic left out for "Content". `folder` ends with a backslash.
std::string HelpParameters(std::string_view folder, std::string_view topic);
// "<program> <switch> ", or "<program> " for switch 0.
std::string CommandLine(std::string_view program, char switchChar);

}  // namespace wizard
