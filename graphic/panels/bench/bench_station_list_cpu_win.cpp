// The graphic module's CPU share while the mouse rests on the station
// list's down area of the default skin, so the list scrolls at the default
// speed, against the same span with the mouse away from the window. The
// spectrum view is off and the advanced functions stay off, so the list is
// the only control at work. Run from the install folder under Wine
// (./run bench does).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "graphic/panels/bench/player_run_win.h"
#include "host/kv_ini.h"
#include "host/win_handle.h"

namespace {

constexpr DWORD kDefaultSeconds = 10;
constexpr DWORD kWarmUpMs = 2000;
constexpr uint32_t kSpectrumOff = 4;
constexpr uint32_t kStations[] = {88'400'000, 91'300'000, 95'000'000, 98'700'000,
                                  101'700'000, 104'500'000, 106'200'000, 107'900'000};

void StoreSettings() {
  std::vector<uint8_t> list;
  for (uint32_t hertz : kStations) {
    const uint32_t flagsAndHertz[2] = {1, hertz};  // each with a station button: a line
    const auto* head = reinterpret_cast<const uint8_t*>(flagsAndHertz);
    list.insert(list.end(), head, head + sizeof flagsAndHertz);
    list.push_back('\0');  // no name
  }
  KvIniSetBinary("KvStations", "Stations", list.data(), static_cast<uint32_t>(list.size()));
  KvIniSetDword("KvEngine", "Frequency", kStations[1]);
  KvIniSetString("Vrx", "Skin", bench::kDefaultSkin);
  KvIniSetDword("Vrx", "SpMode", kSpectrumOff);
  // A skin with a spectrum view needs the analyzer in the filter list; with
  // the advanced functions off it analyses nothing.
  // Both plug-ins the default skin uses: without the equalizer active the
  // band sliders put up their "not active" box over the window.
  static const char kFilters[] = "Prismo.dll\0Tonal10.dll\0";
  KvIniSetBinary("KvFilters", "Filters", kFilters, sizeof kFilters - 1);
}

// A rectangle of the skin's List section ("Down" or "List").
RECT SkinRect(const std::string& description, const std::string& part) {
  auto key = [&](const char* what) {
    return static_cast<LONG>(GetPrivateProfileIntA("List", ("Window" + part + what).c_str(), 0, description.c_str()));
  };
  const LONG x = key("X"), y = key("Y");
  return {x, y, x + key("Width"), y + key("Height")};
}

void MouseTo(POINT screen) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = static_cast<LONG>((screen.x * 65535) / (GetSystemMetrics(SM_CXSCREEN) - 1));
  in.mi.dy = static_cast<LONG>((screen.y * 65535) / (GetSystemMetrics(SM_CYSCREEN) - 1));
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof in);
}

// The list's pixels as the screen shows them.
std::vector<COLORREF> ListPixels(HWND module, const RECT& list) {
  std::vector<COLORREF> pixels;
  const kv::WindowDc screen(nullptr);
  POINT origin{list.left, list.top};
  ClientToScreen(module, &origin);
  for (LONG y = 0; y < list.bottom - list.top; ++y)
    for (LONG x = 0; x < list.right - list.left; x += 2)
      pixels.push_back(GetPixel(screen.dc(), origin.x + x, origin.y + y));
  return pixels;
}

// CPU seconds per second of the host over `seconds`; negative when unreadable.
double Share(const bench::PlayerRun& player, DWORD seconds) {
  const double cpu0 = player.CpuSeconds();
  const DWORD t0 = GetTickCount();
  Sleep(seconds * 1000);
  const double cpu1 = player.CpuSeconds();
  const double wall = (GetTickCount() - t0) / 1000.0;
  return cpu0 < 0 || cpu1 < 0 ? -1 : (cpu1 - cpu0) / wall;
}

}  // namespace

int main() {
  const std::string folder = bench::InstallFolder(
      {"KvEngine.exe", "KvGUI.exe", "Vrx.dll", "Prismo.dll", "Varix\\Nightfall.txt", "Varix\\Nightfall.bmp"});
  if (folder.empty()) return 1;
  DWORD seconds = kDefaultSeconds;
  if (const char* s = std::getenv("TAVRIN_BENCH_LIST_SECONDS")) seconds = static_cast<DWORD>(std::atoi(s));
  const std::string description = folder + "Varix\\Nightfall.txt";
  const RECT down = SkinRect(description, "Down"), list = SkinRect(description, "List");

  const bench::IsolatedSettings settings;
  StoreSettings();
  const bench::PlayerRun player(folder);
  if (!player.module) {
    std::printf("error: the %s did not start\n", player.engineWindow ? "module" : "engine");
    return 1;
  }
  MouseTo({0, GetSystemMetrics(SM_CYSCREEN) - 1});  // away from the window
  Sleep(kWarmUpMs);
  const double away = Share(player, seconds);
  POINT rest{(down.left + down.right) / 2, (down.top + down.bottom) / 2};
  ClientToScreen(player.module, &rest);
  const std::vector<COLORREF> before = ListPixels(player.module, list);
  MouseTo(rest);
  const double scrolling = Share(player, seconds);
  const bool moved = ListPixels(player.module, list) != before;
  if (away < 0 || scrolling < 0) {
    std::printf("error: the host's CPU time cannot be read\n");
    return 1;
  }
  std::printf("list_cpu_source: %s\n", player.CpuSource());
  std::printf("list_seconds: %lu\n", seconds);
  std::printf("list_idle_cpu_fraction: %.4f\n", away);
  std::printf("list_scrolling_cpu_fraction: %.4f\n", scrolling);
  std::printf("list_scrolled: %d\n", moved ? 1 : 0);
  return 0;
}
