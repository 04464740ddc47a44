// Prismo.dll as shipped, fed 44.1 kHz stereo 16-bit sound in real time while
// a viewer asks for analysis: the worker's CPU time per second of sound, as
// a fraction of one core. Run from the install folder under Wine.
//
// Windows thread times come in 10 ms ticks under Wine, sampled, far too
// coarse for a thread that runs a few microseconds at a time. When Linux's
// per-task run time (/proc/<pid>/task/<tid>/schedstat, in nanoseconds) can be
// read through Wine's Z: drive, the new task that set-up started is measured
// that way instead; otherwise the thread times are used.
#include <windows.h>
// after windows.h
#include <mmsystem.h>

#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "filters/analyzer/bench/linux_proc_win.h"
#include "filters/analyzer/tests/prismo_harness_win.h"

namespace {

constexpr uint32_t kRate = 44100;
constexpr uint32_t kBlockFrames = kRate / 10;  // 100 ms blocks
constexpr DWORD kBlockMs = 100;
constexpr int kBlocks = 100;  // ten seconds of sound

uint64_t Ticks(FILETIME f) { return (static_cast<uint64_t>(f.dwHighDateTime) << 32) | f.dwLowDateTime; }

std::vector<DWORD> ThreadIds() {
  std::vector<DWORD> ids;
  HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  THREADENTRY32 t{};
  t.dwSize = sizeof t;
  for (BOOL more = Thread32First(snap, &t); more; more = Thread32Next(snap, &t))
    if (t.th32OwnerProcessID == GetCurrentProcessId()) ids.push_back(t.th32ThreadID);
  CloseHandle(snap);
  return ids;
}

// ---- Linux tasks seen through Wine's Z: drive
// The Linux process id of this program: the one whose command line names it.
std::string UnixPid() {
  char exe[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string name = exe;
  name = name.substr(name.find_last_of('\\') + 1);
  const std::vector<std::string> pids = bench::LinuxPidsHolding("cmdline", {name});
  return pids.size() == 1 ? pids[0] : std::string();  // several: cannot tell which is this one
}

// Run time in nanoseconds of every task of this process, by Linux task id.
std::map<std::string, uint64_t> TaskRunTimes(const std::string& pid) {
  std::map<std::string, uint64_t> times;
  if (pid.empty()) return times;
  const std::string folder = "Z:\\proc\\" + pid + "\\task\\";
  WIN32_FIND_DATAA d;
  HANDLE h = FindFirstFileA((folder + "*").c_str(), &d);
  if (h == INVALID_HANDLE_VALUE) return times;
  do {
    if (d.cFileName[0] == '.') continue;
    const std::string text = bench::ReadLinuxFile(folder + d.cFileName + "\\schedstat");
    if (!text.empty()) times[d.cFileName] = std::strtoull(text.c_str(), nullptr, 10);
  } while (FindNextFileA(h, &d));
  FindClose(h);
  return times;
}

// The task that is in `after` but not in `before`; empty when not exactly one.
std::string NewTask(const std::map<std::string, uint64_t>& before, const std::map<std::string, uint64_t>& after) {
  std::string found;
  for (const auto& [tid, ns] : after) {
    if (before.count(tid)) continue;
    if (!found.empty()) return {};
    found = tid;
  }
  return found;
}

// CPU time of a thread, in 100 ns units.
uint64_t ThreadCpu(HANDLE thread) {
  FILETIME c, e, k, u;
  GetThreadTimes(thread, &c, &e, &k, &u);
  return Ticks(k) + Ticks(u);
}

// The floor under Wine: a thread that only waits on two events as often as
// the worker wakes for frames (one frame of 576 at 44.1 kHz), doing nothing else.
DWORD WINAPI WaitOnly(void* seconds) {
  HANDLE set[2] = {CreateEventA(nullptr, TRUE, FALSE, nullptr), CreateEventA(nullptr, TRUE, FALSE, nullptr)};
  const DWORD end = timeGetTime() + *static_cast<DWORD*>(seconds) * 1000;
  while (static_cast<int32_t>(end - timeGetTime()) > 0) WaitForMultipleObjects(2, set, FALSE, 13);
  CloseHandle(set[0]);
  CloseHandle(set[1]);
  return 0;
}

double WaitFloorFraction(DWORD seconds, const std::string& pid) {
  const auto before = TaskRunTimes(pid);
  HANDLE t = CreateThread(nullptr, 0, &WaitOnly, &seconds, 0, nullptr);
  if (!t) return -1;
  Sleep(20);
  const std::string task = NewTask(before, TaskRunTimes(pid));
  const uint64_t start = task.empty() ? 0 : TaskRunTimes(pid)[task];
  uint64_t ns = 0;
  if (!task.empty()) {
    // Sampled just before the thread ends.
    Sleep(seconds * 1000 - 40);
    ns = TaskRunTimes(pid)[task] - start;
  }
  WaitForSingleObject(t, INFINITE);
  const double fraction = task.empty() ? ThreadCpu(t) / 10000.0 / (seconds * 1000.0)
                                       : ns / 1e6 / (seconds * 1000.0 - 60);
  CloseHandle(t);
  return fraction;
}

}  // namespace

int main() {
  prismo_test::PrismoLibrary lib;
  if (!lib.loaded()) {
    std::printf("error: Prismo.dll not found\n");
    return 1;
  }
  prismo_test::SoundBlock block(2, kRate, 16, kBlockFrames);
  for (uint32_t j = 0; j < kBlockFrames; ++j) {
    block.Set(j, 0, static_cast<int>((j * 7919u) % 20000u) - 10000);
    block.Set(j, 1, static_cast<int>((j * 104729u) % 30000u) - 15000);
  }
  lib.request() = 1;
  timeBeginPeriod(1);
  int refused = 0;
  const std::string pid = UnixPid();
  const auto tasksBefore = TaskRunTimes(pid);
  const std::vector<DWORD> before = ThreadIds();
  if (lib.filter2(block.get()) != 0) ++refused;  // set-up outside the measurement
  HANDLE worker = nullptr;  // the thread that set-up started
  for (DWORD id : ThreadIds())
    if (std::find(before.begin(), before.end(), id) == before.end()) worker = OpenThread(THREAD_QUERY_INFORMATION, FALSE, id);
  if (!worker) {
    std::printf("error: no worker thread\n");
    return 1;
  }
  Sleep(kBlockMs);
  const std::string workerTask = NewTask(tasksBefore, TaskRunTimes(pid));

  const uint64_t cpu0 = ThreadCpu(worker);
  const uint64_t run0 = workerTask.empty() ? 0 : TaskRunTimes(pid)[workerTask];
  const DWORD start = timeGetTime();
  for (int i = 1; i <= kBlocks; ++i) {
    if (lib.filter2(block.get()) != 0) ++refused;
    const DWORD due = start + static_cast<DWORD>(i) * kBlockMs;
    const DWORD now = timeGetTime();
    if (static_cast<int32_t>(due - now) > 0) Sleep(due - now);
  }
  const DWORD wallMs = timeGetTime() - start;
  const uint64_t run = workerTask.empty() ? 0 : TaskRunTimes(pid)[workerTask] - run0;
  const uint64_t cpu = ThreadCpu(worker) - cpu0;
  CloseHandle(worker);
  timeEndPeriod(1);
  lib.request() = 0;
  lib.cleanup();

  const double cpuMs = workerTask.empty() ? cpu / 10000.0 : run / 1e6;
  std::printf("worker_cpu_source: %s\n", workerTask.empty() ? "thread-times" : "linux-schedstat");
  std::printf("worker_sound_seconds: %.1f\n", wallMs / 1000.0);
  std::printf("worker_cpu_ms: %.1f\n", cpuMs);
  std::printf("worker_cpu_fraction: %.5f\n", cpuMs / wallMs);
  std::printf("worker_blocks_refused: %d\n", refused);
  timeBeginPeriod(1);
  std::printf("wait_only_cpu_fraction: %.5f\n", WaitFloorFraction(10, pid));
  timeEndPeriod(1);
  return 0;
}
