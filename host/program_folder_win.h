// Win32 only. Files of the player live in the folder of the running
// program's main file: the executable's path up to its last backslash.
#pragma once

#include <windows.h>

#include <string>

namespace kv {

inline std::string ProgramFolder() {
  char path[MAX_PATH + 1] = {};
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, n < MAX_PATH ? n : MAX_PATH);
  const size_t slash = folder.find_last_of('\\');
  folder.resize(slash == std::string::npos ? 0 : slash + 1);
  return folder;  // ends with a backslash, or is empty
}

}  // namespace kv
