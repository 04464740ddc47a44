// Names of recording files: the template of KvSave/FileName with its date
// and time placeholders filled in.
#pragma once

#include <cstdint>
#include <string>

namespace engine {

struct DateTime {
  uint32_t year, month, day, hour, minute, second;
};

inline constexpr char kDefaultRecordTemplate[] = "Rad <year>-<mon>-<dd> <hh>-<ii>-<ss>.wav";

// Fills <year>, <mon>, <dd>, <hh>, <ii> and <ss>. The engine records PCM
// WAV only, so any other extension (the wizard offers .mp3) becomes .wav.
std::string FillRecordName(const std::string& pattern, const DateTime& t);
// The name a recording takes when the ones before it exist: the first try
// is the name itself, later ones carry " (try)" before the extension.
std::string NumberedRecordName(const std::string& path, uint32_t attempt);
// The folder part, with its trailing backslash; empty without one.
std::string FolderOf(const std::string& path);

}  // namespace engine
