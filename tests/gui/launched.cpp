#include "tests/gui/launched.h"

#include <windows.h>

#include <fstream>

#include "tests/gui/install_run.h"
#include "tests/support/wait.h"

namespace gui {
namespace {

constexpr char kStartsVariable[] = "TAVRIN_STARTS_FILE";
constexpr char kWineOverrides[] = "Software\\Wine\\DllOverrides";
constexpr char kNative[] = "native";
// The system stand-ins in place, as "name;name;", so that what a killed
// scenario left can be removed by the next.
constexpr char kLeftoversKey[] = "Software\\TavrinTests";
constexpr char kLeftoversValue[] = "SystemStandIns";

std::string StartsFile() { return Install() + "started.txt"; }

std::vector<std::string> ReadStarts() {
  std::vector<std::string> lines;
  std::ifstream in(StartsFile());
  for (std::string line; std::getline(in, line);)
    if (!line.empty()) lines.push_back(line);
  return lines;
}

std::string FileName(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

std::string SystemFolder() {
  char folder[MAX_PATH] = {};
  GetSystemDirectoryA(folder, MAX_PATH);
  return std::string(folder) + "\\";
}

std::string Leftovers() {
  char names[1024] = {};
  DWORD size = sizeof names;
  if (RegGetValueA(HKEY_CURRENT_USER, kLeftoversKey, kLeftoversValue, RRF_RT_REG_SZ, nullptr, names, &size) !=
      ERROR_SUCCESS)
    return {};
  return names;
}

void SetLeftovers(const std::string& names) {
  RegSetKeyValueA(HKEY_CURRENT_USER, kLeftoversKey, kLeftoversValue, REG_SZ, names.c_str(),
                  static_cast<DWORD>(names.size() + 1));
}

void RemoveSystemStandIn(const std::string& name) {
  DeleteFileA((SystemFolder() + name).c_str());
  RegDeleteKeyValueA(HKEY_CURRENT_USER, kWineOverrides, name.c_str());
}

// The stand-ins of this scenario's process. Scenarios share the install
// folder, so the first stand-in clears the starts recorded before; the
// stand-ins put into the system folder go when the process ends.
class StandIns {
 public:
  StandIns() {
    DeleteFileA(StartsFile().c_str());
    SetEnvironmentVariableA(kStartsVariable, StartsFile().c_str());
  }
  StandIns(const StandIns&) = delete;
  StandIns& operator=(const StandIns&) = delete;
  ~StandIns() {
    for (const std::string& path : system_) RemoveSystemStandIn(FileName(path));
    if (!system_.empty()) SetLeftovers("");
  }
  bool Copy(const std::string& path, bool system) {
    if (!CopyFileA(TAVRIN_COMMAND_RECORDER, path.c_str(), FALSE)) return false;
    if (!system) return true;
    system_.push_back(path);
    SetLeftovers(Leftovers() + FileName(path) + ";");
    // Wine runs its own build of a system program unless told to load the
    // file (a value Windows does not read).
    return RegSetKeyValueA(HKEY_CURRENT_USER, kWineOverrides, FileName(path).c_str(), REG_SZ, kNative,
                           sizeof kNative) == ERROR_SUCCESS;
  }

 private:
  std::vector<std::string> system_;
};

StandIns& Current() {
  static StandIns standIns;
  return standIns;
}

}  // namespace

bool StandIn(const std::string& name) { return Current().Copy(Install() + name, false); }

bool SystemStandIn(const std::string& name) { return Current().Copy(SystemFolder() + name, true); }

void ClearSystemStandIns() {
  const std::string names = Leftovers();
  for (size_t at = 0, end; (end = names.find(';', at)) != std::string::npos; at = end + 1)
    RemoveSystemStandIn(names.substr(at, end - at));
  SetLeftovers("");
}

std::vector<std::string> Launched(size_t count, unsigned long timeoutMs) {
  wintest::WaitUntil([&] { return ReadStarts().size() >= count; }, timeoutMs);
  return ReadStarts();
}

}  // namespace gui
