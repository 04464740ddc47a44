#include "player/engine/tests/engine_client.h"

#include <map>

#include "host/engine_messages.h"
#include "host/kv_ini.h"
#include "tests/support/windows_found.h"
#include "tests/support/wintest.h"

namespace enginetest {
namespace {

constexpr DWORD kStartMs = 15000;
constexpr DWORD kExitMs = 10000;

std::map<HWND, RecordingWindow*>& Windows() {
  static std::map<HWND, RecordingWindow*> windows;
  return windows;
}

}  // namespace

EngineProcess::EngineProcess(const std::string& arguments, const std::string& folder) {
  const std::string exe = (folder.empty() ? wintest::InstallFolder() : folder) + "KvEngine.exe";
  std::string command = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return;
  CloseHandle(pi.hThread);
  process_ = pi.hProcess;
  id_ = pi.dwProcessId;
  // Found by its process, so that no other window of the class is mistaken for it.
  PumpUntil(
      [&] {
        window_ = wintest::ProcessWindow(id_, engine::kWindowClass, false);
        return window_ != nullptr || WaitForSingleObject(process_, 0) == WAIT_OBJECT_0;
      },
      kStartMs);
}

EngineProcess::~EngineProcess() {
  if (!process_) return;
  if (Exit() < 0) {
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, kExitMs);
  }
  CloseHandle(process_);
}

bool EngineProcess::running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

int EngineProcess::Exit() {
  if (!process_) return -1;
  if (window_) PostMessageA(window_, engine::kExit, 0, 0);
  if (!PumpUntil([&] { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }, kExitMs)) return -1;
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return static_cast<int>(code);
}

LRESULT EngineProcess::Send(UINT msg, WPARAM wParam, LPARAM lParam) const {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window_, msg, wParam, lParam, SMTO_NORMAL, 5000, &result)) return -1;
  return static_cast<LRESULT>(result);
}

void EngineProcess::Post(UINT msg, WPARAM wParam, LPARAM lParam) const { PostMessageA(window_, msg, wParam, lParam); }

RecordingWindow::RecordingWindow(const char* className) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = className;
  RegisterClassA(&wc);  // a second registration of the class fails harmlessly
  hwnd_ = CreateWindowExA(0, className, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
  Windows()[hwnd_] = this;
}

RecordingWindow::~RecordingWindow() {
  Windows().erase(hwnd_);
  DestroyWindow(hwnd_);
}

LRESULT CALLBACK RecordingWindow::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const auto it = Windows().find(hwnd);
  if (it != Windows().end() && msg >= WM_USER) it->second->received_.push_back({msg, wParam});
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

int64_t RecordingWindow::Last(UINT msg) const {
  for (auto it = received_.rbegin(); it != received_.rend(); ++it)
    if (it->msg == msg) return static_cast<int64_t>(it->wParam);
  return -1;
}

bool RecordingWindow::Got(UINT msg, WPARAM wParam) const {
  for (const Received& r : received_)
    if (r.msg == msg && r.wParam == wParam) return true;
  return false;
}

bool PumpUntil(const std::function<bool()>& test, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (test()) return true;
    if (GetTickCount() - start > timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

void PumpFor(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

void StoreStations(const std::vector<StationInfo>& stations) {
  std::vector<uint8_t> bytes;
  for (const StationInfo& s : stations) {
    const auto* head = reinterpret_cast<const uint8_t*>(&s.flags);
    bytes.insert(bytes.end(), head, head + 4);
    head = reinterpret_cast<const uint8_t*>(&s.frequency);
    bytes.insert(bytes.end(), head, head + 4);
    bytes.insert(bytes.end(), s.name, s.name + lstrlenA(s.name) + 1);
  }
  KvIniSetBinary("KvStations", "Stations", bytes.data(), static_cast<uint32_t>(bytes.size()));
}

void StoreFilters(const std::vector<std::string>& names) {
  std::string bytes;
  for (const std::string& n : names) bytes.append(n).push_back('\0');
  KvIniSetBinary("KvFilters", "Filters", bytes.data(), static_cast<uint32_t>(bytes.size()));
}

}  // namespace enginetest
