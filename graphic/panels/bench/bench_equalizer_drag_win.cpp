// How long a band slider takes from a mouse move to the "EqualizerSettings"
// post, and what the settings writes of one move cost. "KvGUI.exe p
// Vrx.dll" runs from the install folder (the current folder) with the
// default skin and Tonal10.dll active; this program plays the engine's
// window on a thread of its own and stamps every post it receives. The
// mouse is moved with SendInput up and down the first band slider's path.
// Prints medians and tails in milliseconds. Run from the install folder
// under Wine (./run bench does).
//
// Under Wine a SendInput move warps the X pointer, and X reports that warp
// back to the window under the pointer, the module's. Read after the next
// move, that stale report puts the cursor back where the last move left it,
// and the move after lands where the cursor already is: no WM_MOUSEMOVE,
// so no post. Before each move the module is let read all it has, and the
// cursor is checked to be where the last move put it; what the window
// system did on its own is counted apart from the moves.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

#include "graphic/panels/bench/player_run_win.h"
#include "graphic/panels/equalizer_bands.h"
#include "host/engine_messages.h"
#include "host/kv_ini.h"
#include "host/win_handle.h"

namespace {

constexpr int kMoves = 300;
constexpr DWORD kPostWaitMs = 2000;
constexpr uint32_t kFlagsTopmostNoTips = 0x01 | 0x40;  // no hiding at the edges, no tips
constexpr char kFirstBand[] = "SldBand01";

UINT g_settingsMessage = 0;
std::atomic<long> g_posts{0};
kv::KernelHandle g_posted;
LARGE_INTEGER g_lastPost{};

LRESULT CALLBACK EngineProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == g_settingsMessage && g_settingsMessage != 0) {
    QueryPerformanceCounter(&g_lastPost);
    ++g_posts;
    SetEvent(g_posted.get());
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

bool CursorAt(POINT p) {
  POINT at{};
  return GetCursorPos(&at) && at.x == p.x && at.y == p.y;
}

// Returns once the module's thread has gone through its message loop twice:
// a sent message is answered only there, after the window system's pending
// events are read, so the pointer reports of the last move are consumed.
void Settle(HWND module) {
  for (int round = 0; round < 2; ++round)
    SendMessageTimeoutA(module, WM_NULL, 0, 0, SMTO_NORMAL, kPostWaitMs, nullptr);
}

// Waits for a post after `before` posts; false when none comes in time.
bool WaitPost(long before) {
  while (g_posts.load() == before)
    if (WaitForSingleObject(g_posted.get(), kPostWaitMs) == WAIT_TIMEOUT) return g_posts.load() != before;
  return true;
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

// The first band slider's path from the skin's description, in the
// module's client area: a point a quarter and three quarters down it.
struct BandPath {
  POINT high, low;
};
BandPath FirstBandPath(const std::string& description) {
  const auto key = [&](const char* name, int fallback) {
    return static_cast<int>(GetPrivateProfileIntA(kFirstBand, name, fallback, description.c_str()));
  };
  const int wx = key("WindowX", 0), wy = key("WindowY", 0), pw = key("WindowPathWidth", -1),
            ph = key("WindowPathHeight", -1);
  const int left = pw > 0 ? wx : wx + pw + 1, top = ph > 0 ? wy : wy + ph + 1;
  const int h = ph < 0 ? -ph : ph, w = pw < 0 ? -pw : pw;
  return {{left + w / 2, top + h / 4}, {left + w / 2, top + 3 * h / 4}};
}

// Drags up and down the path and prints what it measured.
void MeasureDrag(HWND module, BandPath path) {
  ClientToScreen(module, &path.low);
  ClientToScreen(module, &path.high);
  MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, path.low);
  Settle(module);
  MouseInput(MOUSEEVENTF_LEFTDOWN);
  WaitPost(0);  // the press reports once
  std::vector<double> latency;
  int lost = 0, setBack = 0, skipped = 0;
  long unasked = 0;
  POINT last = path.low;
  for (int move = 0; move < kMoves; ++move) {
    const POINT target = move % 2 ? path.low : path.high;
    long before = g_posts.load();
    Settle(module);
    unasked += g_posts.load() - before;
    if (!CursorAt(last)) ++setBack;
    if (CursorAt(target)) {  // the move would bring no WM_MOUSEMOVE
      ++skipped;
      last = target;
      continue;
    }
    before = g_posts.load();
    LARGE_INTEGER t0;
    QueryPerformanceCounter(&t0);
    MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, target);
    last = target;
    if (!WaitPost(before)) {
      // The cursor at the target and no post: the module lost one.
      ++(CursorAt(target) ? lost : setBack);
      continue;
    }
    latency.push_back(Ms(g_lastPost.QuadPart - t0.QuadPart));
  }
  MouseInput(MOUSEEVENTF_LEFTUP);
  std::printf("eq_moves: %d\n", kMoves);
  std::printf("eq_moves_without_post: %d\n", lost);
  std::printf("eq_moves_cursor_set_back: %d\n", setBack);
  std::printf("eq_moves_skipped_cursor_there: %d\n", skipped);
  std::printf("eq_posts_without_move: %ld\n", unasked);
  PrintSpread("eq_move_to_post", latency);
}

}  // namespace

int main() {
  const std::string folder =
      bench::InstallFolder({"KvGUI.exe", "Vrx.dll", "Tonal10.dll", "Varix\\Nightfall.txt", "Varix\\Nightfall.bmp"});
  if (folder.empty()) return 1;
  const bench::IsolatedSettings settings;
  static const char kFilters[] = "Tonal10.dll\0Prismo.dll\0";  // the skin's spectrum view asks for the analyzer
  KvIniSetBinary("KvFilters", "Filters", kFilters, sizeof kFilters - 1);
  KvIniSetString("Vrx", "Skin", bench::kDefaultSkin);
  KvIniSetDword("Vrx", "Flags", kFlagsTopmostNoTips);

  g_settingsMessage = RegisterWindowMessageA(engine::kEqualizerSettingsName);
  g_posted.reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
  const kv::KernelHandle ready(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  const kv::KernelHandle engineThread(CreateThread(nullptr, 0, EngineThread, ready.get(), 0, nullptr));
  WaitForSingleObject(ready.get(), bench::kStartMs);
  const HWND engineWindow = FindWindowA(engine::kWindowClass, nullptr);

  kv::KernelHandle host;
  if (engineWindow) host = bench::StartProcess(folder, "\"" + folder + "KvGUI.exe\" p Vrx.dll");
  const HWND module = host ? bench::WaitWindow(bench::kModuleClass) : nullptr;
  int rc = 0;
  if (!module) {
    std::printf("error: the module did not start\n");
    rc = 1;
  } else {
    WaitForInputIdle(host.get(), bench::kStartMs);  // built and painted
    MeasureDrag(module, FirstBandPath(folder + "Varix\\Nightfall.txt"));
    PrintSpread("eq_settings_writes_20_keys", TimeSettingsWrites());
    PostMessageA(module, engine::kCloseModule, 0, 0);
  }
  bench::StopProcess(host);
  if (engineWindow) PostMessageA(engineWindow, WM_QUIT, 0, 0);
  WaitForSingleObject(engineThread.get(), bench::kExitMs);
  return rc;
}
