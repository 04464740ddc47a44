#include "player/engine/recorder_win.h"

#include <windows.h>

#include "host/program_folder.h"
#include "host/settings.h"
#include "player/engine/audio_format.h"
#include "player/engine/record_name.h"

namespace engine {
namespace {

constexpr char kSaveSection[] = "KvSave";
constexpr char kSaveFileName[] = "FileName";
constexpr char kDefaultFolder[] = "Records\\";

// Makes every missing folder of the path; true when the last one exists.
bool MakeFolders(const std::string& folder) {
  for (size_t at = folder.find('\\'); at != std::string::npos; at = folder.find('\\', at + 1)) {
    const std::string part = folder.substr(0, at);
    if (part.empty() || part.back() == ':') continue;  // a drive or the root
    CreateDirectoryA(part.c_str(), nullptr);
  }
  const DWORD attributes = GetFileAttributesA(folder.c_str());
  return folder.empty() || (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
}

bool IsAbsolute(const std::string& path) {
  return (path.size() >= 2 && path[1] == ':') || path.rfind("\\\\", 0) == 0;
}

}  // namespace

std::string Recorder::NextPath() const {
  SYSTEMTIME now;
  GetLocalTime(&now);
  const DateTime when{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
  std::string pattern = kv::ReadString(kSaveSection, kSaveFileName).value_or("");
  if (pattern.empty()) pattern = std::string(kDefaultFolder) + kDefaultRecordTemplate;
  std::string path = FillRecordName(pattern, when);
  if (!IsAbsolute(path)) path = kv::ProgramFolder() + path;
  return path;
}

bool Recorder::Start() {
  const std::string path = NextPath();
  if (path.size() >= MAX_PATH || !MakeFolders(FolderOf(path))) return false;
  std::lock_guard<std::mutex> hold(lock_);
  if (!writer_.Open(path)) return false;
  path_ = path;
  return true;
}

void Recorder::Stop() {
  std::lock_guard<std::mutex> hold(lock_);
  writer_.Close();
}

void Recorder::Write(const int16_t* frames, size_t count) {
  std::lock_guard<std::mutex> hold(lock_);
  if (writer_.isOpen()) writer_.Write(frames, count);
}

std::string Recorder::Path() const {
  {
    std::lock_guard<std::mutex> hold(lock_);
    if (!path_.empty()) return path_;
  }
  return NextPath();
}

uint32_t Recorder::Seconds() const {
  std::lock_guard<std::mutex> hold(lock_);
  return writer_.isOpen() ? static_cast<uint32_t>(writer_.frames() / kSampleRate) : 0;
}

}  // namespace engine
