// The graphic module's CPU share while the player plays with the spectrum
// view running: the analyzer active, the advanced functions on, the default
// skin in bars mode. Prints the host process's CPU time over the measured
// span as a share of one core. Run from the install folder under Wine
// (./run bench does).
//
// Built a second time as bench_displays_cpu (TAVRIN_BENCH_DISPLAYS): the
// module sits idle with the spectrum view off, its clocks ticking and a
// station name too long for the station display moving through it.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "graphic/panels/bench/player_run_win.h"
#include "host/engine_messages.h"
#include "host/kv_ini.h"
#include "host/records.h"
#include "host/win_handle.h"

namespace {

constexpr DWORD kDefaultSeconds = 60;
constexpr DWORD kWarmUpMs = 3000;  // the skin loaded, the analyzer set up
constexpr uint32_t kStationHertz = 101'700'000;
constexpr uint32_t kAnalyzerNormaliser = 50000;  // as the demo: the programmes' bars rise
#ifdef TAVRIN_BENCH_DISPLAYS
constexpr bool kDisplays = true;
#else
constexpr bool kDisplays = false;
#endif
constexpr uint32_t kSpectrumOff = 4, kSpectrumBars = 0;
// Long enough to move through every skin's station display.
constexpr char kLongName[] = "Bench station with a name far wider than the station display of any skin";

void StoreSettings(const std::string& folder) {
  std::vector<uint8_t> station;
  const uint32_t flagsAndHertz[2] = {1, kStationHertz};  // a preset button
  const auto* head = reinterpret_cast<const uint8_t*>(flagsAndHertz);
  station.insert(station.end(), head, head + sizeof flagsAndHertz);
  const char* name = kDisplays ? kLongName : "Bench";
  station.insert(station.end(), name, name + std::strlen(name) + 1);
  KvIniSetBinary("KvStations", "Stations", station.data(), static_cast<uint32_t>(station.size()));
  KvIniSetDword("KvEngine", "Frequency", kStationHertz);
  // Both plug-ins the default skin uses: without the equalizer active the
  // band sliders put up their "not active" box over the window.
  static const char kFilters[] = "Prismo.dll\0Tonal10.dll\0";
  KvIniSetBinary("KvFilters", "Filters", kFilters, sizeof kFilters - 1);
  KvIniSetDword("Prismo", "MSpec", kAnalyzerNormaliser);
  if (bench::Exists(folder + "Varix\\" + bench::kDefaultSkin)) KvIniSetString("Vrx", "Skin", bench::kDefaultSkin);
  KvIniSetDword("Vrx", "SpMode", kDisplays ? kSpectrumOff : kSpectrumBars);
}

}  // namespace

int main() {
  const std::string folder = bench::InstallFolder({"KvEngine.exe", "KvGUI.exe", "Vrx.dll", "Prismo.dll"});
  if (folder.empty()) return 1;
  DWORD seconds = kDefaultSeconds;
  if (const char* s = std::getenv("TAVRIN_BENCH_GUI_SECONDS")) seconds = static_cast<DWORD>(std::atoi(s));

  const bench::IsolatedSettings settings;
  StoreSettings(folder);

  // The viewer's side of the analyzer's shared record, to see it work.
  const kv::Library prismo(LoadLibraryA((folder + "Prismo.dll").c_str()));
  using RecordFn = PrismoShared*(KV_CALL*)();
  const auto getPrismo = prismo.Export<RecordFn>("GetPrismo");

  int rc = 0;
  {
    const bench::PlayerRun player(folder);
    if (!player.module) {
      std::printf("error: the engine or the module did not start\n");
      rc = 1;
    } else {
      DWORD_PTR advanced = 0;
      SendMessageTimeoutA(player.engineWindow, engine::kSetAdvanced, 1, 0, SMTO_NORMAL, bench::kExitMs, &advanced);
      Sleep(kWarmUpMs);
      const double cpu0 = player.CpuSeconds();
      const DWORD t0 = GetTickCount();
      Sleep(seconds * 1000);
      const double cpu1 = player.CpuSeconds();
      const double wall = (GetTickCount() - t0) / 1000.0;
      const bool analysing = getPrismo && getPrismo()->request == 1;
      bool rows = false;
      if (getPrismo)
        for (uint8_t b : getPrismo()->info.spectrumLeft) rows = rows || b != 0;
      if (cpu0 < 0 || cpu1 < 0) {
        std::printf("error: the host's CPU time cannot be read\n");
        rc = 1;
      } else {
        std::printf("gui_bench: %s\n", kDisplays ? "displays-idle" : "spectrum");
        std::printf("gui_cpu_source: %s\n", player.CpuSource());
        std::printf("gui_seconds: %.1f\n", wall);
        std::printf("gui_cpu_seconds: %.2f\n", cpu1 - cpu0);
        std::printf("gui_cpu_fraction: %.4f\n", (cpu1 - cpu0) / wall);
        std::printf("gui_spectrum_analysing: %d\n", analysing && rows ? 1 : 0);
      }
    }
  }
  return rc;
}
