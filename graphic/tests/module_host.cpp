#include "graphic/tests/module_host.h"

#include <atomic>

#include "host/kv_ini.h"

namespace vrxtest {

HostFolder::HostFolder(bool withEngine) {
  static std::atomic<int> counter{0};
  path_ = wintest::TempFolder() + "host" + std::to_string(counter++) + "\\";
  CreateDirectoryA(path_.c_str(), nullptr);
  CreateDirectoryA(skinFolder().c_str(), nullptr);
  const std::string self = wintest::ExePath();
  CopyFileA(self.c_str(), (path_ + "host.exe").c_str(), FALSE);
  if (withEngine) CopyFileA(self.c_str(), (path_ + "KvEngine.exe").c_str(), FALSE);
  CopyFileA((wintest::ExeFolder() + "VrxProbe.dll").c_str(), (path_ + "VrxProbe.dll").c_str(), FALSE);
}

int HostFolder::Run(const char* child, const std::vector<std::string>& args, DWORD timeoutMs) const {
  wintest::ChildProcess host(child, args, path_ + "host.exe", path_);
  return host.started() ? host.Wait(timeoutMs) : -1;
}

bool WriteSmallSkin(const std::string& folder, const std::string& bitmapName, int width, int height,
                    const std::string& extraGeneral) {
  std::string description = bitmapName.substr(0, bitmapName.size() - 3) + "txt";
  return wintest::WriteBitmap(folder + bitmapName, width, height, RGB(20, 40, 60)) &&
         wintest::WriteFileText(folder + description, "[General]\r\nWidth=" + std::to_string(width) +
                                                          "\r\nHeight=" + std::to_string(height) + "\r\n" +
                                                          extraGeneral);
}

SIZE WindowSize(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

void SetText(const char* section, const char* key, const std::string& value) {
  KvIniSetString(section, key, value.c_str());
}

void SetNumber(const char* section, const char* key, DWORD value) { KvIniSetDword(section, key, value); }

void SetAnalyzerActive(bool active) {
  static const char kList[] = "Tonal10.dll\0Prismo.dll\0";
  static const char kOther[] = "Tonal10.dll\0";
  if (active)
    KvIniSetBinary("KvFilters", "Filters", kList, sizeof kList - 1);
  else
    KvIniSetBinary("KvFilters", "Filters", kOther, sizeof kOther - 1);
}

}  // namespace vrxtest
