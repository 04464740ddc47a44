#include "tests/support/wintest.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <atomic>
#include <cstdio>
#include <map>

#include "host/program_folder_win.h"

namespace wintest {
namespace {

constexpr char kChildFlag[] = "--wintest-child";

std::map<std::string, ChildFn>& Children() {
  static std::map<std::string, ChildFn> children;
  return children;
}

std::string Quote(const std::string& arg) {
  std::string out = "\"";
  size_t backslashes = 0;
  for (char c : arg) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    out.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    out += c;
  }
  out.append(backslashes * 2, '\\');
  return out + "\"";
}

void DeleteFolder(const std::string& folder) {
  std::string from = folder;
  from.append(2, '\0');  // double-NUL list of one
  SHFILEOPSTRUCTA op{};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NO_UI;
  SHFileOperationA(&op);
}

struct TempFolderOwner {
  std::string path;
  ~TempFolderOwner() {
    if (!path.empty()) DeleteFolder(path.substr(0, path.size() - 1));
  }
};
TempFolderOwner g_temp;

}  // namespace

ChildRegistrar::ChildRegistrar(const char* name, ChildFn fn) { Children()[name] = fn; }

int RunChild(const char* name, const ChildArgs& args, DWORD timeoutMs) {
  ChildProcess child(name, args);
  return child.started() ? child.Wait(timeoutMs) : -1;
}

Process::Process(const std::string& exe, const std::vector<std::string>& args, const std::string& folder) {
  std::string command = Quote(exe);
  for (const std::string& a : args) command.append(" ").append(Quote(a));
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &si, &pi))
    return;
  CloseHandle(pi.hThread);
  process_ = pi.hProcess;
  id_ = pi.dwProcessId;
}

Process::~Process() {
  if (process_) Wait();
}

int Process::Wait(DWORD timeoutMs) {
  if (!process_) return -1;
  int code = -1;
  if (WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0) {
    DWORD exitCode = 0;
    GetExitCodeProcess(process_, &exitCode);
    code = static_cast<int>(exitCode);
  } else {
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
  process_ = nullptr;
  return code;
}

ChildProcess::ChildProcess(const char* name, const ChildArgs& args, const std::string& exe, const std::string& folder)
    : Process(exe, [&] {
        ChildArgs all{kChildFlag, name};
        all.insert(all.end(), args.begin(), args.end());
        return all;
      }(), folder) {}

IsolatedSettings::IsolatedSettings() {
  static std::atomic<int> counter{0};
  char buffer[512];
  const DWORD n = GetEnvironmentVariableA("KVINI_ROOT", buffer, sizeof buffer);
  hadPrevious_ = n > 0 && n < sizeof buffer;
  if (hadPrevious_) previous_.assign(buffer, n);
  root_ = "Software\\TavrinTests\\" + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(GetTickCount()) + "-" + std::to_string(counter++);
  SetEnvironmentVariableA("KVINI_ROOT", root_.c_str());
}

IsolatedSettings::~IsolatedSettings() {
  RegDeleteTreeA(HKEY_CURRENT_USER, root_.c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, root_.c_str());
  SetEnvironmentVariableA("KVINI_ROOT", hadPrevious_ ? previous_.c_str() : nullptr);
}

std::string ExePath() {
  char exe[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  return exe;
}

std::string ExeFolder() { return kv::ProgramFolder(); }

std::string InstallFolder() {
  char buffer[MAX_PATH + 1] = {};
  const DWORD n = GetEnvironmentVariableA("TAVRIN_INSTALL_DIR", buffer, MAX_PATH);
  std::string folder(buffer, n < MAX_PATH ? n : 0);
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

std::string TempFolder() {
  if (g_temp.path.empty()) {
    char base[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, base);
    std::string path = std::string(base) + "tavrin-" + std::to_string(GetCurrentProcessId()) + "\\";
    CreateDirectoryA(path.c_str(), nullptr);
    g_temp.path = path;
  }
  return g_temp.path;
}

bool WriteFileBytes(const std::string& path, const void* data, size_t size) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(data, 1, size, f) == size;
  return std::fclose(f) == 0 && ok;
}

}  // namespace wintest

int main(int argc, char** argv) {
  if (argc >= 3 && std::string(argv[1]) == wintest::kChildFlag) {
    const auto it = wintest::Children().find(argv[2]);
    if (it == wintest::Children().end()) return 98;
    return it->second(wintest::ChildArgs(argv + 3, argv + argc));
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
