#include "graphic/tests/module_host.h"

#include <atomic>
#include <cstdio>

#include "host/kv_ini.h"
#include "tests/support/wintest.h"

namespace vrxtest {
namespace {

constexpr DWORD kPollMs = 10;
constexpr char kMessageBoxClass[] = "#32770";

std::string SelfPath() {
  char exe[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  return exe;
}

struct FindBox {
  HWND found = nullptr;
};

BOOL CALLBACK FindBoxProc(HWND window, LPARAM param) {
  char cls[64] = {};
  GetClassNameA(window, cls, sizeof cls);
  if (lstrcmpA(cls, kMessageBoxClass) == 0 && IsWindowVisible(window)) {
    reinterpret_cast<FindBox*>(param)->found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK CollectStatic(HWND child, LPARAM param) {
  char cls[64] = {};
  GetClassNameA(child, cls, sizeof cls);
  if (lstrcmpiA(cls, "Static") == 0) {
    const std::string text = WindowText(child);
    if (!text.empty()) *reinterpret_cast<std::string*>(param) += text;
  }
  return TRUE;
}

DWORD WINAPI RunActivate(LPVOID param) {
  reinterpret_cast<ActivateFn>(param)();
  return 0;
}

}  // namespace

HostFolder::HostFolder(bool withEngine) {
  static std::atomic<int> counter{0};
  path_ = wintest::TempFolder() + "host" + std::to_string(counter++) + "\\";
  CreateDirectoryA(path_.c_str(), nullptr);
  CreateDirectoryA(skinFolder().c_str(), nullptr);
  const std::string self = SelfPath();
  CopyFileA(self.c_str(), (path_ + "host.exe").c_str(), FALSE);
  if (withEngine) CopyFileA(self.c_str(), (path_ + "KvEngine.exe").c_str(), FALSE);
  CopyFileA((wintest::ExeFolder() + "VrxProbe.dll").c_str(), (path_ + "VrxProbe.dll").c_str(), FALSE);
}

int HostFolder::Run(const char* child, const std::vector<std::string>& args, DWORD timeoutMs) const {
  const std::string exe = path_ + "host.exe";
  std::string command = "\"" + exe + "\" --wintest-child " + child;
  for (const std::string& a : args) command += " \"" + a + "\"";
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, path_.c_str(), &si, &pi))
    return -1;
  CloseHandle(pi.hThread);
  int code = -1;
  if (WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0) {
    DWORD exitCode = 0;
    GetExitCodeProcess(pi.hProcess, &exitCode);
    code = static_cast<int>(exitCode);
  } else {
    TerminateProcess(pi.hProcess, 99);
    WaitForSingleObject(pi.hProcess, 5000);
  }
  CloseHandle(pi.hProcess);
  return code;
}

bool WriteBitmap(const std::string& path, int width, int height, COLORREF color) {
  const int stride = (width * 3 + 3) & ~3;
  std::string bytes(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + stride * height, '\0');
  auto* file = reinterpret_cast<BITMAPFILEHEADER*>(bytes.data());
  auto* info = reinterpret_cast<BITMAPINFOHEADER*>(bytes.data() + sizeof(BITMAPFILEHEADER));
  file->bfType = 0x4D42;  // "BM"
  file->bfSize = static_cast<DWORD>(bytes.size());
  file->bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  info->biSize = sizeof(BITMAPINFOHEADER);
  info->biWidth = width;
  info->biHeight = height;
  info->biPlanes = 1;
  info->biBitCount = 24;
  info->biCompression = BI_RGB;
  auto* pixels = reinterpret_cast<unsigned char*>(bytes.data() + file->bfOffBits);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      unsigned char* p = pixels + y * stride + x * 3;
      p[0] = GetBValue(color);
      p[1] = GetGValue(color);
      p[2] = GetRValue(color);
    }
  return wintest::WriteFileBytes(path, bytes.data(), bytes.size());
}

bool WriteSmallSkin(const std::string& folder, const std::string& bitmapName, int width, int height,
                    const std::string& extraGeneral) {
  std::string description = bitmapName.substr(0, bitmapName.size() - 3) + "txt";
  return WriteBitmap(folder + bitmapName, width, height, RGB(20, 40, 60)) &&
         wintest::WriteFileText(folder + description, "[General]\r\nWidth=" + std::to_string(width) +
                                                          "\r\nHeight=" + std::to_string(height) + "\r\n" +
                                                          extraGeneral);
}

ModuleThread::ModuleThread(const char* dllName) {
  module_ = LoadLibraryA(dllName);
  if (!module_) return;
  activate_ = reinterpret_cast<ActivateFn>(GetProcAddress(module_, "Activate"));
  if (activate_) thread_ = CreateThread(nullptr, 0, RunActivate, reinterpret_cast<LPVOID>(activate_), 0, &threadId_);
  if (!thread_) activate_ = nullptr;
}

ModuleThread::~ModuleThread() {
  if (thread_) {
    if (!WaitEnd(10000)) {
      // A module that does not end would make unloading it unsafe; leave it.
      CloseHandle(thread_);
      return;
    }
    CloseHandle(thread_);
  }
  if (module_) FreeLibrary(module_);
}

bool ModuleThread::Ended() const { return !thread_ || WaitForSingleObject(thread_, 0) == WAIT_OBJECT_0; }

bool ModuleThread::WaitEnd(DWORD timeoutMs) {
  for (DWORD waited = 0; waited <= timeoutMs; waited += kPollMs) {
    if (Ended()) return true;
    if (HWND box = MessageBoxNow()) {
      closedBoxes.push_back(MessageBoxContent(box));
      CloseMessageBox(box);
    }
    Sleep(kPollMs);
  }
  return Ended();
}

HWND ModuleThread::MessageBoxNow() const {
  FindBox find;
  if (threadId_) EnumThreadWindows(threadId_, FindBoxProc, reinterpret_cast<LPARAM>(&find));
  return find.found;
}

HWND ModuleThread::WaitMessageBox(DWORD timeoutMs) const {
  for (DWORD waited = 0; waited <= timeoutMs; waited += kPollMs) {
    if (HWND box = MessageBoxNow()) return box;
    if (Ended()) return nullptr;
    Sleep(kPollMs);
  }
  return nullptr;
}

HWND ModuleThread::WaitWindow(const char* className, HWND not_, DWORD timeoutMs) const {
  for (DWORD waited = 0; waited <= timeoutMs; waited += kPollMs) {
    HWND window = FindWindowA(className, nullptr);
    if (window && window != not_ && GetWindowThreadProcessId(window, nullptr) == threadId_) return window;
    if (Ended() || MessageBoxNow()) return nullptr;
    Sleep(kPollMs);
  }
  return nullptr;
}

SIZE WindowSize(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

void ReportBoxes(const ModuleThread& m) {
  for (const std::string& text : m.closedBoxes) std::fprintf(stderr, "message box: %s\n", text.c_str());
  if (HWND box = m.MessageBoxNow()) std::fprintf(stderr, "open message box: %s\n", MessageBoxContent(box).c_str());
}

std::string WindowText(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string MessageBoxContent(HWND box) {
  std::string texts;
  EnumChildWindows(box, CollectStatic, reinterpret_cast<LPARAM>(&texts));
  return WindowText(box) + "|" + texts;
}

void CloseMessageBox(HWND box) {
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  for (DWORD waited = 0; waited < 5000 && IsWindow(box); waited += kPollMs) Sleep(kPollMs);
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
