// Linux's view of Wine processes, read through Wine's Z: drive: under Wine
// the Windows thread and process times come in sampled 10 ms ticks (and are
// 0 for another process), so benches that measure small CPU shares read the
// kernel's own counters instead.
#pragma once

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace bench {

// The text of a file, or empty when it cannot be read.
inline std::string ReadLinuxFile(const std::string& path) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return {};
  std::string text;
  char buffer[4096];
  DWORD n = 0;
  while (ReadFile(f, buffer, sizeof buffer, &n, nullptr) && n > 0) text.append(buffer, n);
  CloseHandle(f);
  return text;
}

inline std::string LinuxProcFolder(const std::string& pid) { return "Z:\\proc\\" + pid + "\\"; }

// The Linux processes whose `file` (cmdline, environ, ...) holds every one of
// `needles`. Wine has wineserver open files by path, so "/proc/self" would be
// wineserver's own: a process is found by what it holds.
inline std::vector<std::string> LinuxPidsHolding(const char* file, const std::vector<std::string>& needles) {
  std::vector<std::string> found;
  WIN32_FIND_DATAA d;
  HANDLE h = FindFirstFileA("Z:\\proc\\*", &d);
  if (h == INVALID_HANDLE_VALUE) return found;
  do {
    const std::string entry = d.cFileName;
    if (entry.find_first_not_of("0123456789") != std::string::npos) continue;
    const std::string text = ReadLinuxFile(LinuxProcFolder(entry) + file);
    bool all = !text.empty();
    for (const std::string& n : needles) all = all && text.find(n) != std::string::npos;
    if (all) found.push_back(entry);
  } while (FindNextFileA(h, &d));
  FindClose(h);
  return found;
}

// User plus system CPU time of a whole Linux process, ended threads
// included, in seconds; negative when it cannot be read.
inline double LinuxProcessCpuSeconds(const std::string& pid) {
  const std::string stat = ReadLinuxFile(LinuxProcFolder(pid) + "stat");
  const size_t close = stat.rfind(')');
  if (close == std::string::npos) return -1;
  // After the command's closing parenthesis: state is field 3, utime 14, stime 15.
  const char* p = stat.c_str() + close + 1;
  char* end = nullptr;
  unsigned long long fields[13] = {};
  for (int i = 0; i < 13; ++i) {
    while (*p == ' ') ++p;
    if (i == 0) {  // the state letter
      while (*p && *p != ' ') ++p;
      continue;
    }
    fields[i] = std::strtoull(p, &end, 10);
    p = end;
  }
  constexpr double kClockTicksPerSecond = 100;  // Linux's USER_HZ
  return static_cast<double>(fields[11] + fields[12]) / kClockTicksPerSecond;
}

}  // namespace bench
