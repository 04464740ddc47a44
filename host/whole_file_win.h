// Win32 only. A whole file read into memory, for the stand-ins that read a
// small text or sound file at once.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "host/win_handle.h"

namespace kv {

// The file's bytes; none when it cannot be opened or read, or is larger than
// maxBytes (then it is not the file it claims to be).
inline std::optional<std::string> ReadWholeFile(const std::string& path, DWORD maxBytes) {
  const KernelHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > maxBytes) return std::nullopt;
  std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
  DWORD read = 0;
  if (!bytes.empty() && !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
    return std::nullopt;
  bytes.resize(read);
  return bytes;
}

}  // namespace kv
