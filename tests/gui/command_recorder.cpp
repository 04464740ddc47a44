// Stands in for a program the module starts (KvSetup.exe, hh.exe, KvGUI.exe,
// an external application): appends its own file name and command line to
// the file named by TAVRIN_STARTS_FILE, which it inherits from the scenario,
// then ends. A scenario copies it under the name it stands for into its own
// install folder (or, for a program the shell finds in the system folder,
// there for the scenario's run), never into the staged one.
#include <windows.h>

#include <string>

// A windows program, so that starting it opens no console.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH] = {}, starts[MAX_PATH] = {};
  if (!GetEnvironmentVariableA("TAVRIN_STARTS_FILE", starts, MAX_PATH)) return 1;
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string self(path);
  const std::string line = self.substr(self.find_last_of('\\') + 1) + "|" + GetCommandLineA() + "\n";
  HANDLE file = CreateFileA(starts, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
  return 0;
}
