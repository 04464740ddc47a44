#include "graphic/core/launch_win.h"

#include <shellapi.h>

#include <vector>

#include "graphic/core/command_line.h"
#include "graphic/core/control_table_win.h"
#include "graphic/core/engine_window_link_win.h"
#include "graphic/core/module_names.h"
#include "graphic/core/module_state_win.h"
#include "graphic/core/run_loop_win.h"
#include "graphic/core/skin_order.h"
#include "host/engine_messages.h"
#include "host/kv_ini.h"
#include "host/program_folder_win.h"
#include "host/settings.h"
#include "host/win_handle.h"

namespace vrx {
namespace {

constexpr char kHelpViewer[] = "hh.exe";
constexpr char kSettingsProgram[] = "KvSetup.exe";
constexpr char kAltGuiKey[] = "AltGUI";
constexpr char kExtAppKey[] = "ExtApp";
constexpr WPARAM kRebuildWithSkin = 1;

}  // namespace

DWORD RunProgram(const std::string& commandLine, bool wait) {
  // CreateProcessA may write into the command line.
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return 0;
  kv::KernelHandle process(pi.hProcess), thread(pi.hThread);
  if (!wait) return 0;
  WaitForSingleObject(process.get(), INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.get(), &code);
  return code == STILL_ACTIVE ? 0 : code;
}

void OpenHelpTopic(const char* topic) {
  const std::string parameter = HelpParameter(kv::ProgramFolder(), topic);
  ShellExecuteA(nullptr, "open", kHelpViewer, parameter.c_str(), nullptr, SW_SHOW);
}

void OpenSettings() { RunProgram(kSettingsProgram, false); }

void OpenAlternativeModule() {
  if (const std::optional<std::string> module = kv::ReadString(Names().section, kAltGuiKey))
    RunProgram(AlternativeModuleCommand(*module), false);
  if (Module().flags & kFlagCloseAfterAltGui) QuitModule();
}

void LaunchExternalApplication() {
  if (const std::optional<std::string> app = kv::ReadString(Names().section, kExtAppKey)) {
    const SplitCommand split = SplitExternalApplication(*app);
    if (!split.program.empty())
      ShellExecuteA(nullptr, "open", split.program.c_str(), split.parameters ? split.parameters->c_str() : nullptr,
                    nullptr, SW_SHOWNORMAL);
  }
  if (Module().flags & kFlagExitAfterExtApp) {
    EngineWindowLink().Post(engine::kExit);
    QuitModule();
  }
}

void OpenRecordingFolder() {
  EngineWindowLink engine;
  if (!engine.Exists()) return;
  char path[kMaxPathChars + 1] = {};
  if (SendMessageA(Module().engineWindow, engine::kGetRecordPath, GetCurrentProcessId(),
                   reinterpret_cast<LPARAM>(path)) == 0)
    return;
  path[kMaxPathChars - 1] = '\0';
  std::string folder(path);
  const size_t slash = folder.find_last_of('\\');
  folder.resize(slash == std::string::npos ? 0 : slash + 1);
  if (folder.empty()) return;
  CreateDirectoryA(folder.c_str(), nullptr);
  ShellExecuteA(nullptr, "open", folder.c_str(), nullptr, nullptr, SW_SHOW);
}

void SwitchSkin(bool backward) {
  const std::string folder = kv::ProgramFolder() + kSkinFolder;
  std::vector<std::string> entries;
  WIN32_FIND_DATAA found{};
  kv::FindHandle find(FindFirstFileA((folder + "*").c_str(), &found));
  if (find) {
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) entries.emplace_back(found.cFileName);
    } while (FindNextFileA(find.get(), &found));
  }
  const auto exists = [](const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  };
  const std::optional<std::string> bitmap = NextSkin(folder, entries, exists, Module().skinPath, backward);
  if (!bitmap) return;
  KvIniSetString(Names().section, kSkinKey, bitmap->c_str());
  if (HWND window = Controls().window()) PostMessageA(window, engine::kSettingsChanged, kRebuildWithSkin, 0);
}

void QuitModule() { EndRun(Ending::Close); }

}  // namespace vrx
