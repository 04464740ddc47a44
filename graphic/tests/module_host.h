// What the module tests share: a staged host folder (a copy of the test
// program beside an optional KvEngine.exe and a Varix folder), small skins
// written on the spot, and the module's settings.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/bitmap_file.h"
#include "tests/support/module_thread.h"
#include "tests/support/windows_found.h"
#include "tests/support/wintest.h"

namespace vrxtest {

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

// Writes a bitmap of one colour and its description (the name with "txt"
// for its last three characters) of a skin with only [General].
bool WriteSmallSkin(const std::string& folder, const std::string& bitmapName, int width, int height,
                    const std::string& extraGeneral = "");

SIZE WindowSize(HWND window);

// Settings of the module section through the store.
void SetText(const char* section, const char* key, const std::string& value);
void SetNumber(const char* section, const char* key, DWORD value);
void SetAnalyzerActive(bool active);

}  // namespace vrxtest
