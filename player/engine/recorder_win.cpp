#include "player/engine/recorder_win.h"

#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "host/program_folder_win.h"
#include "host/settings.h"
#include "host/win_handle.h"
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

// Far more tries than recordings started in one second; a name beyond them
// means the folder is unusable.
constexpr uint32_t kMaxAttempts = 10000;

bool IsAbsolute(const std::string& path) {
  return (path.size() >= 2 && path[1] == ':') || path.rfind("\\\\", 0) == 0;
}

// A new file, never one that exists: when two recordings race for a name,
// the second gets a failure rather than the first one's file.
kv::KernelHandle CreateNew(const std::string& path, DWORD& error) {
  const HANDLE file =
      CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  error = file == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
  return kv::KernelHandle(file);
}

// The C stream the WAV writer writes through; it owns the handle from now on.
std::FILE* StreamOf(kv::KernelHandle file) {
  const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file.get()), _O_BINARY | _O_WRONLY);
  if (fd < 0) return nullptr;
  file.release();
  std::FILE* stream = _fdopen(fd, "wb");
  if (!stream) _close(fd);
  return stream;
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
  const std::string name = NextPath();
  if (!MakeFolders(FolderOf(name))) return false;
  for (uint32_t attempt = 1; attempt <= kMaxAttempts; ++attempt) {
    const std::string path = NumberedRecordName(name, attempt);
    if (path.size() >= MAX_PATH) return false;
    DWORD error = ERROR_SUCCESS;
    kv::KernelHandle file = CreateNew(path, error);
    if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
    if (!file) return false;
    std::lock_guard<std::mutex> hold(lock_);
    if (!writer_.Open(StreamOf(std::move(file)))) {
      DeleteFileA(path.c_str());  // made just now, and holds nothing
      return false;
    }
    path_ = path;
    return true;
  }
  return false;
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
  const std::string name = NextPath();
  for (uint32_t attempt = 1; attempt <= kMaxAttempts; ++attempt) {
    const std::string path = NumberedRecordName(name, attempt);
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return path;
  }
  return name;
}

uint32_t Recorder::Seconds() const {
  std::lock_guard<std::mutex> hold(lock_);
  return writer_.isOpen() ? static_cast<uint32_t>(writer_.frames() / kSampleRate) : 0;
}

}  // namespace engine
