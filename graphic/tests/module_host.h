// What the module tests share: a staged host folder (a copy of the test
// program beside an optional KvEngine.exe and a Varix folder), the module
// run on a thread of a staged process, message boxes found and closed, and
// small skins written on the spot.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace vrxtest {

using ActivateFn = void(__cdecl*)();

// A folder that looks like a player installation to the module.
class HostFolder {
 public:
  explicit HostFolder(bool withEngine);
  const std::string& path() const { return path_; }  // with a trailing backslash
  std::string skinFolder() const { return path_ + "Varix\\"; }
  // Runs WINTEST_CHILD name in the staged copy of this program; its exit
  // code, or -1 when it did not end in time.
  int Run(const char* child, const std::vector<std::string>& args = {}, DWORD timeoutMs = 120000) const;

 private:
  std::string path_;
};

// Writes a 24-bit bitmap file of one colour.
bool WriteBitmap(const std::string& path, int width, int height, COLORREF color);
// Writes a bitmap and its description (the name with "txt" for its last
// three characters) of a skin with only [General].
bool WriteSmallSkin(const std::string& folder, const std::string& bitmapName, int width, int height,
                    const std::string& extraGeneral = "");

// Activate of a module DLL, run on a thread of this process.
class ModuleThread {
 public:
  explicit ModuleThread(const char* dllName);
  ModuleThread(const ModuleThread&) = delete;
  ModuleThread& operator=(const ModuleThread&) = delete;
  ~ModuleThread();

  bool loaded() const { return activate_ != nullptr; }
  HMODULE module() const { return module_; }
  DWORD threadId() const { return threadId_; }
  bool Ended() const;
  // Waits for the end, closing any message box meanwhile; the texts of the
  // boxes closed are added to closedBoxes.
  bool WaitEnd(DWORD timeoutMs = 20000);
  // The first message box of the module's thread within the time-out, or null.
  HWND WaitMessageBox(DWORD timeoutMs = 20000) const;
  // A window of the class made by the module's thread, other than `not`.
  HWND WaitWindow(const char* className, HWND not_ = nullptr, DWORD timeoutMs = 20000) const;
  HWND MessageBoxNow() const;

  std::vector<std::string> closedBoxes;

 private:
  HMODULE module_ = nullptr;
  ActivateFn activate_ = nullptr;
  HANDLE thread_ = nullptr;
  DWORD threadId_ = 0;
};

// In a child: report a failed condition and return its line as exit code.
#define CHILD_CHECK(condition)                                                     \
  do {                                                                             \
    if (!(condition)) {                                                            \
      std::fprintf(stderr, "%s:%d: failed: %s\n", __FILE__, __LINE__, #condition); \
      return __LINE__;                                                             \
    }                                                                              \
  } while (0)

SIZE WindowSize(HWND window);
// Prints the message boxes a module showed (closed or still open).
void ReportBoxes(const ModuleThread& m);

std::string WindowText(HWND window);
// Caption and the static texts of a message box, "caption|text".
std::string MessageBoxContent(HWND box);
void CloseMessageBox(HWND box);

// Settings of the module section through the store.
void SetText(const char* section, const char* key, const std::string& value);
void SetNumber(const char* section, const char* key, DWORD value);
void SetAnalyzerActive(bool active);

}  // namespace vrxtest
