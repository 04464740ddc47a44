// How long a band slider takes from a mouse move to the "EqualizerSettings"
// post, and what the settings writes of one move cost. "KvGUI.exe p
// Vrx.dll" runs from the install folder (the current folder) with the
// default skin and Tonal10.dll active; this program plays the engine's
// window on a thread of its own and stamps every post it receives. The
// mouse is moved with SendInput up and down the first band slider's path.
// Prints medians and tails in milliseconds. Run from the install folder
// under Wine (./run bench does).
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

#include "graphic/panels/equalizer_bands.h"
#include "host/engine_messages.h"
#include "host/kv_ini.h"

namespace {

constexpr int kMoves = 300;
constexpr DWORD kStartMs = 20000, kPostWaitMs = 2000, kExitMs = 10000, kPollMs = 20;
constexpr char kModuleClass[] = "QorvVarix";
constexpr char kDefaultSkin[] = "Nightfall.bmp";
constexpr uint32_t kFlagsTopmostNoTips = 0x01 | 0x40;  // no hiding at the edges, no tips
constexpr char kFirstBand[] = "SldBand01";

UINT g_settingsMessage = 0;
std::atomic<long> g_posts{0};
HANDLE g_posted = nullptr;
LARGE_INTEGER g_lastPost{};

LRESULT CALLBACK EngineProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == g_settingsMessage && g_settingsMessage != 0) {
    QueryPerformanceCounter(&g_lastPost);
    ++g_posts;
    SetEvent(g_posted);
    return 0;
  }
  return message >= WM_USER ? 0 : DefWindowProcA(window, message, wParam, lParam);
}

DWORD WINAPI EngineThread(void* ready) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = EngineProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = engine::kWindowClass;
  RegisterClassA(&wc);
  CreateWindowA(engine::kWindowClass, "bench engine", 0, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
  SetEvent(static_cast<HANDLE>(ready));
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}

HWND WaitWindow(const char* className) {
  for (DWORD waited = 0; waited < kStartMs; waited += kPollMs) {
    if (HWND w = FindWindowA(className, nullptr)) return w;
    Sleep(kPollMs);
  }
  return nullptr;
}

void MouseInput(DWORD flags, POINT screen = {}) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  if (flags & MOUSEEVENTF_ABSOLUTE) {
    in.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  }
  SendInput(1, &in, sizeof in);
}

double Ms(LONGLONG ticks) {
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  return 1000.0 * static_cast<double>(ticks) / static_cast<double>(f.QuadPart);
}

void PrintSpread(const char* name, std::vector<double> ms) {
  if (ms.empty()) return;
  std::sort(ms.begin(), ms.end());
  std::printf("%s_median_ms: %.3f\n", name, ms[ms.size() / 2]);
  std::printf("%s_p95_ms: %.3f\n", name, ms[ms.size() * 95 / 100]);
  std::printf("%s_max_ms: %.3f\n", name, ms.back());
}

// The settings writes of one band move on the 10-band plug-in: LFreq i and
// RFreq i for every band, as the link writes them.
std::vector<double> TimeSettingsWrites() {
  std::vector<double> ms;
  for (int move = 0; move < kMoves; ++move) {
    LARGE_INTEGER t0, t1;
    QueryPerformanceCounter(&t0);
    for (uint32_t band = 0; band < vrx::kTonal10.bands; ++band) {
      KvIniSetDword(vrx::kTonal10.section, vrx::BandKey("LFreq", band).c_str(), static_cast<uint32_t>(move % 50));
      KvIniSetDword(vrx::kTonal10.section, vrx::BandKey("RFreq", band).c_str(), static_cast<uint32_t>(move % 50));
    }
    QueryPerformanceCounter(&t1);
    ms.push_back(Ms(t1.QuadPart - t0.QuadPart));
  }
  return ms;
}

}  // namespace

int main() {
  char current[MAX_PATH + 1] = {};
  GetCurrentDirectoryA(MAX_PATH, current);
  const std::string folder = std::string(current) + "\\";
  const std::string description = folder + "Varix\\Nightfall.txt";
  for (const std::string& file : {folder + "KvGUI.exe", folder + "Vrx.dll", folder + "Tonal10.dll", description}) {
    if (GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES) {
      std::printf("error: %s is missing\n", file.c_str());
      return 1;
    }
  }
  const std::string root = "Software\\TavrinBench\\" + std::to_string(GetCurrentProcessId()) + "-" +
                           std::to_string(GetTickCount());
  SetEnvironmentVariableA("KVINI_ROOT", root.c_str());
  static const char kFilters[] = "Tonal10.dll\0Prismo.dll\0";  // the skin's spectrum view asks for the analyzer
  KvIniSetBinary("KvFilters", "Filters", kFilters, sizeof kFilters - 1);
  KvIniSetString("Vrx", "Skin", kDefaultSkin);
  KvIniSetDword("Vrx", "Flags", kFlagsTopmostNoTips);

  g_settingsMessage = RegisterWindowMessageA(engine::kEqualizerSettingsName);
  g_posted = CreateEventA(nullptr, FALSE, FALSE, nullptr);
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE engineThread = CreateThread(nullptr, 0, EngineThread, ready, 0, nullptr);
  WaitForSingleObject(ready, kStartMs);
  const HWND engineWindow = FindWindowA(engine::kWindowClass, nullptr);

  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::string command = "\"" + folder + "KvGUI.exe\" p Vrx.dll";
  const bool started = engineWindow && CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                                      folder.c_str(), &si, &pi);
  const HWND module = started ? WaitWindow(kModuleClass) : nullptr;
  int rc = 0;
  if (!module) {
    std::printf("error: the module did not start\n");
    rc = 1;
  } else {
    // The first band's path, from the skin's own description.
    const auto key = [&](const char* name, int fallback) {
      return static_cast<int>(GetPrivateProfileIntA(kFirstBand, name, fallback, description.c_str()));
    };
    const int wx = key("WindowX", 0), wy = key("WindowY", 0), pw = key("WindowPathWidth", -1),
              ph = key("WindowPathHeight", -1);
    const int left = pw > 0 ? wx : wx + pw + 1, top = ph > 0 ? wy : wy + ph + 1;
    const int h = ph < 0 ? -ph : ph, w = pw < 0 ? -pw : pw;
    POINT low{left + w / 2, top + 3 * h / 4}, high{left + w / 2, top + h / 4};
    ClientToScreen(module, &low);
    ClientToScreen(module, &high);
    Sleep(1000);  // the window painted and idle

    MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, low);
    MouseInput(MOUSEEVENTF_LEFTDOWN);
    WaitForSingleObject(g_posted, kPostWaitMs);  // the press reports once
    std::vector<double> latency;
    int lost = 0;
    for (int move = 0; move < kMoves; ++move) {
      const long before = g_posts.load();
      LARGE_INTEGER t0;
      QueryPerformanceCounter(&t0);
      MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, move % 2 ? low : high);
      while (g_posts.load() == before)
        if (WaitForSingleObject(g_posted, kPostWaitMs) == WAIT_TIMEOUT) break;
      if (g_posts.load() == before) {
        ++lost;
        continue;
      }
      latency.push_back(Ms(g_lastPost.QuadPart - t0.QuadPart));
    }
    MouseInput(MOUSEEVENTF_LEFTUP);
    std::printf("eq_moves: %d\n", kMoves);
    std::printf("eq_moves_without_post: %d\n", lost);
    PrintSpread("eq_move_to_post", latency);
    PrintSpread("eq_settings_writes_20_keys", TimeSettingsWrites());
  }
  if (module) PostMessageA(module, engine::kCloseModule, 0, 0);
  if (started) {
    if (WaitForSingleObject(pi.hProcess, kExitMs) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
  }
  if (engineWindow) PostMessageA(engineWindow, WM_QUIT, 0, 0);
  WaitForSingleObject(engineThread, kExitMs);
  RegDeleteTreeA(HKEY_CURRENT_USER, root.c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, root.c_str());
  return rc;
}
