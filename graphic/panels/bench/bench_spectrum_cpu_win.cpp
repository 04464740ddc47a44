// The graphic module's CPU share while the player plays with the spectrum
// view running: KvEngine.exe and "KvGUI.exe p Vrx.dll" from the install
// folder (the current folder) under settings of their own, the analyzer
// active, the advanced functions on, the default skin in bars mode. Prints
// the host process's CPU time over the measured span as a share of one core.
// Run from the install folder under Wine (./run bench does).
//
// Built a second time as bench_displays_cpu (TAVRIN_BENCH_DISPLAYS): the
// module sits idle with the spectrum view off, its clocks ticking and a
// station name too long for the station display moving through it.
//
// Wine does not keep another process's CPU times (GetProcessTimes answers
// zeros or a stale figure), so under Wine the host is found as a Linux
// process (its command line names the host in this install folder) and
// measured by the kernel's counters.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "filters/analyzer/bench/linux_proc_win.h"
#include "host/engine_messages.h"
#include "host/kv_ini.h"
#include "host/records.h"

namespace {

constexpr DWORD kDefaultSeconds = 60;
constexpr DWORD kWarmUpMs = 3000;  // the skin loaded, the analyzer set up
constexpr DWORD kStartMs = 20000, kExitMs = 10000, kPollMs = 50;
constexpr uint32_t kStationHertz = 101'700'000;
constexpr uint32_t kAnalyzerNormaliser = 50000;  // as the demo: the programmes' bars rise
constexpr char kModuleClass[] = "QorvVarix";
constexpr char kDefaultSkin[] = "Nightfall.bmp";
#ifdef TAVRIN_BENCH_DISPLAYS
constexpr bool kDisplays = true;
#else
constexpr bool kDisplays = false;
#endif
constexpr uint32_t kSpectrumOff = 4, kSpectrumBars = 0;
// Long enough to move through every skin's station display.
constexpr char kLongName[] = "Bench station with a name far wider than the station display of any skin";

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

HANDLE Start(const std::string& folder, const std::string& commandLine) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::string command = commandLine;
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi))
    return nullptr;
  CloseHandle(pi.hThread);
  return pi.hProcess;
}

HWND WaitWindow(const char* className) {
  for (DWORD waited = 0; waited < kStartMs; waited += kPollMs) {
    if (HWND w = FindWindowA(className, nullptr)) return w;
    Sleep(kPollMs);
  }
  return nullptr;
}

void Stop(HANDLE process) {
  if (!process) return;
  if (WaitForSingleObject(process, kExitMs) != WAIT_OBJECT_0) TerminateProcess(process, 1);
  CloseHandle(process);
}

uint64_t Ticks(FILETIME f) { return (static_cast<uint64_t>(f.dwHighDateTime) << 32) | f.dwLowDateTime; }

// CPU seconds of the host: by Linux's counters when the host is found among
// the Linux processes (under Wine), else by its process times (Windows).
struct CpuReader {
  HANDLE process;
  std::string linuxPid;
  double Read() const {
    if (!linuxPid.empty()) return bench::LinuxProcessCpuSeconds(linuxPid);
    FILETIME c, e, k, u;
    return GetProcessTimes(process, &c, &e, &k, &u) ? (Ticks(k) + Ticks(u)) / 1e7 : -1;
  }
};

void StoreSettings(const std::string& folder) {
  std::vector<uint8_t> station;
  const uint32_t flagsAndHertz[2] = {1, kStationHertz};  // a preset button
  const auto* head = reinterpret_cast<const uint8_t*>(flagsAndHertz);
  station.insert(station.end(), head, head + sizeof flagsAndHertz);
  const char* name = kDisplays ? kLongName : "Bench";
  station.insert(station.end(), name, name + std::strlen(name) + 1);
  KvIniSetBinary("KvStations", "Stations", station.data(), static_cast<uint32_t>(station.size()));
  KvIniSetDword("KvEngine", "Frequency", kStationHertz);
  static const char kFilters[] = "Prismo.dll\0";
  KvIniSetBinary("KvFilters", "Filters", kFilters, sizeof kFilters - 1);
  KvIniSetDword("Prismo", "MSpec", kAnalyzerNormaliser);
  if (Exists(folder + "Varix\\" + kDefaultSkin)) KvIniSetString("Vrx", "Skin", kDefaultSkin);
  KvIniSetDword("Vrx", "SpMode", kDisplays ? kSpectrumOff : kSpectrumBars);
}

}  // namespace

int main() {
  char current[MAX_PATH + 1] = {};
  GetCurrentDirectoryA(MAX_PATH, current);
  const std::string folder = std::string(current) + "\\";
  for (const char* file : {"KvEngine.exe", "KvGUI.exe", "Vrx.dll", "Prismo.dll"}) {
    if (!Exists(folder + file)) {
      std::printf("error: %s not in %s\n", file, folder.c_str());
      return 1;
    }
  }
  DWORD seconds = kDefaultSeconds;
  if (const char* s = std::getenv("TAVRIN_BENCH_GUI_SECONDS")) seconds = static_cast<DWORD>(std::atoi(s));

  const std::string root = "Software\\TavrinBench\\" + std::to_string(GetCurrentProcessId()) + "-" +
                           std::to_string(GetTickCount());
  SetEnvironmentVariableA("KVINI_ROOT", root.c_str());
  StoreSettings(folder);

  // The viewer's side of the analyzer's shared record, to see it work.
  const HMODULE prismo = LoadLibraryA((folder + "Prismo.dll").c_str());
  using RecordFn = PrismoShared*(KV_CALL*)();
  const auto getPrismo = reinterpret_cast<RecordFn>(reinterpret_cast<void*>(GetProcAddress(prismo, "GetPrismo")));

  int rc = 0;
  HANDLE engine = Start(folder, "\"" + folder + "KvEngine.exe\"");
  const HWND engineWindow = engine ? WaitWindow(engine::kWindowClass) : nullptr;
  HANDLE host = engineWindow ? Start(folder, "\"" + folder + "KvGUI.exe\" p Vrx.dll") : nullptr;
  const HWND module = host ? WaitWindow(kModuleClass) : nullptr;
  if (!module) {
    std::printf("error: the engine or the module did not start\n");
    rc = 1;
  } else {
    DWORD_PTR advanced = 0;
    SendMessageTimeoutA(engineWindow, engine::kSetAdvanced, 1, 0, SMTO_NORMAL, kExitMs, &advanced);
    Sleep(kWarmUpMs);
    // The host's command line names its file by the full path, which is this
    // install folder's own.
    const std::vector<std::string> pids = bench::LinuxPidsHolding("cmdline", {folder + "KvGUI.exe"});
    const CpuReader cpu{host, pids.size() == 1 ? pids[0] : std::string()};
    const double cpu0 = cpu.Read();
    const DWORD t0 = GetTickCount();
    Sleep(seconds * 1000);
    const double cpu1 = cpu.Read();
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
      std::printf("gui_cpu_source: %s\n", cpu.linuxPid.empty() ? "process-times" : "linux-proc-stat");
      std::printf("gui_seconds: %.1f\n", wall);
      std::printf("gui_cpu_seconds: %.2f\n", cpu1 - cpu0);
      std::printf("gui_cpu_fraction: %.4f\n", (cpu1 - cpu0) / wall);
      std::printf("gui_spectrum_analysing: %d\n", analysing && rows ? 1 : 0);
    }
  }
  if (engineWindow) PostMessageA(engineWindow, engine::kExit, 0, 0);  // closes the module too
  Stop(host);
  Stop(engine);
  if (prismo) FreeLibrary(prismo);
  RegDeleteTreeA(HKEY_CURRENT_USER, root.c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, root.c_str());
  return rc;
}
