// Support for the Windows test programs under Wine: a second process of the
// same test program, isolated settings, and the folders a test needs.
#pragma once

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace wintest {

using ChildArgs = std::vector<std::string>;
std::string ExePath();  // this program's file
using ChildFn = int (*)(const ChildArgs& args);

struct ChildRegistrar {
  ChildRegistrar(const char* name, ChildFn fn);
};

// Defines a function that a test runs in a second process of this program
// with RunChild; its return value becomes that process's exit code.
#define WINTEST_CHILD(name)                                            \
  static int name(const wintest::ChildArgs& args);                     \
  static const wintest::ChildRegistrar name##_registrar(#name, &name); \
  static int name([[maybe_unused]] const wintest::ChildArgs& args)

// In a child: report a failed condition and return its line as exit code.
#define CHILD_CHECK(condition)                                                     \
  do {                                                                             \
    if (!(condition)) {                                                            \
      std::fprintf(stderr, "%s:%d: failed: %s\n", __FILE__, __LINE__, #condition); \
      return __LINE__;                                                             \
    }                                                                              \
  } while (0)

// A program started with arguments (quoted here) in a folder (empty: this
// one's); the destructor waits for it.
class Process {
 public:
  Process(const std::string& exe, const std::vector<std::string>& args, const std::string& folder = {});
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process();
  bool started() const { return process_ != nullptr; }
  // The exit code, or -1 when it did not end in time (it is ended then).
  int Wait(DWORD timeoutMs = 60000);
  HANDLE handle() const { return process_; }
  DWORD id() const { return id_; }

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

// Runs a registered child of this program (or of its copy `exe`), without
// waiting.
class ChildProcess : public Process {
 public:
  ChildProcess(const char* name, const ChildArgs& args = {}, const std::string& exe = ExePath(),
               const std::string& folder = {});
};

// Runs a registered child and waits for it; returns its exit code, or -1
// when it could not start or did not end within the time-out.
int RunChild(const char* name, const ChildArgs& args = {}, DWORD timeoutMs = 60000);

// Points KVINI_ROOT at a fresh registry key for the life of the object, so
// the test and every child it starts share settings no other test sees.
class IsolatedSettings {
 public:
  IsolatedSettings();
  IsolatedSettings(const IsolatedSettings&) = delete;
  IsolatedSettings& operator=(const IsolatedSettings&) = delete;
  ~IsolatedSettings();
  const std::string& root() const { return root_; }

 private:
  std::string root_;
  std::string previous_;
  bool hadPrevious_ = false;
};

std::string ExeFolder();      // with a trailing backslash
std::string InstallFolder();  // the staged install folder, with a trailing backslash
std::string TempFolder();     // a fresh folder for this test program, removed at exit

// Writes bytes to a file; true on success.
bool WriteFileBytes(const std::string& path, const void* data, size_t size);
inline bool WriteFileText(const std::string& path, const std::string& text) {
  return WriteFileBytes(path, text.data(), text.size());
}

}  // namespace wintest
