// Stands in for a program the module starts (KvSetup.exe, hh.exe, KvGUI.exe,
// an external application): appends its own file name and command line to
// started.txt in its folder, then ends. A scenario copies it under the name
// it stands for into its own install folder, never into the staged one.
#include <windows.h>

#include <string>

// A windows program, so that starting it opens no console.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string self(path);
  const size_t slash = self.find_last_of('\\');
  const std::string folder = self.substr(0, slash + 1);
  const std::string line = self.substr(slash + 1) + "|" + GetCommandLineA() + "\n";
  HANDLE file = CreateFileA((folder + "started.txt").c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
  return 0;
}
