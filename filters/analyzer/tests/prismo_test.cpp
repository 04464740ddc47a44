// Prismo.dll loaded by name: the contract of Filter2 and Cleanup, the rows
// the worker writes, frames taken by the clock, settings, a viewer in a
// second process and unloading during analysis.
#include <windows.h>
// after windows.h
#include <gtest/gtest.h>
#include <mmsystem.h>
#include <tlhelp32.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "filters/analyzer/tests/prismo_harness_win.h"
#include "host/kv_ini.h"
#include "host/win_handle.h"
#include "tests/support/wait.h"
#include "tests/support/wintest.h"

namespace {

using prismo_test::kFrame;
using prismo_test::PrismoLibrary;
using prismo_test::SoundBlock;
using wintest::WaitUntil;

// Generous limits: the machine may be busy with other builds and tests.
constexpr DWORD kPatienceMs = 10000;
// An engine's last block is followed by one idle second before the worker
// retires; the rest is room for a busy machine.
constexpr DWORD kRetiredWithinMs = 5000;

int ThreadsOfThisProcess() {
  HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snap == INVALID_HANDLE_VALUE) return -1;
  THREADENTRY32 t{};
  t.dwSize = sizeof t;
  int n = 0;
  for (BOOL more = Thread32First(snap, &t); more; more = Thread32Next(snap, &t))
    if (t.th32OwnerProcessID == GetCurrentProcessId()) ++n;
  CloseHandle(snap);
  return n;
}

bool AllZero(const PrismoInfo& info) {
  const auto* p = reinterpret_cast<const volatile uint8_t*>(&info);
  for (size_t i = 0; i < sizeof info; ++i)
    if (p[i] != 0) return false;
  return true;
}

class PrismoTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(lib_.loaded());
    baseThreads_ = ThreadsOfThisProcess();
  }
  void TearDown() override {
    lib_.request() = 0;
    lib_.cleanup();
  }
  wintest::IsolatedSettings settings_;
  PrismoLibrary lib_;
  int baseThreads_ = 0;
};

TEST_F(PrismoTest, InfoAndFixedAddresses) {
  ModuleInfo info;
  std::memset(&info, 0xEE, sizeof info);
  EXPECT_EQ(lib_.getInfo(&info), &info);
  EXPECT_EQ(info.kind, 2);
  EXPECT_STREQ(info.name, "Sound Analyzer 2.02");
  EXPECT_EQ(lib_.getInfo(nullptr), nullptr);

  PrismoShared* shared = lib_.getPrismo();
  ASSERT_NE(shared, nullptr);
  EXPECT_EQ(lib_.getPrismo(), shared);
  EXPECT_EQ(reinterpret_cast<uint8_t*>(lib_.getPrismoInfo()), reinterpret_cast<uint8_t*>(shared) + 8);
}

TEST_F(PrismoTest, WithoutARequestNothingIsMadeAndTheRowsAreZero) {
  std::memset(&lib_.info(), 0x55, sizeof(PrismoInfo));
  SoundBlock block(2, 44100, 16, 4410);
  block.Fill(0, 1000);
  EXPECT_EQ(lib_.filter2(block.get()), 0);
  EXPECT_EQ(lib_.filter2(block.get()), 0);
  EXPECT_TRUE(AllZero(lib_.info()));
  EXPECT_EQ(ThreadsOfThisProcess(), baseThreads_);
  // The spare word is the viewer's; nothing here touches it.
  lib_.shared().spare = 77;
  lib_.filter2(block.get());
  EXPECT_EQ(lib_.shared().spare, 77);
}

TEST_F(PrismoTest, RefusedBlocksAreLeftUntouched) {
  lib_.request() = 1;
  // A wrong name first: not set up, no worker.
  SoundBlock first(2, 44100, 16, 2000);
  std::strcpy(first.raw().formatName, "pcm");
  EXPECT_EQ(lib_.filter2(first.get()), 2);
  EXPECT_EQ(ThreadsOfThisProcess(), baseThreads_);
  // Formats the analyzer cannot hold are refused at set-up, nothing made.
  for (auto [channels, bits] : {std::pair<uint16_t, uint16_t>{0, 16}, {3, 16}, {2, 24}, {1, 4}, {2, 32}}) {
    SoundBlock odd(channels, 44100, bits, 1000);
    EXPECT_EQ(lib_.filter2(odd.get()), 2) << channels << " channels, " << bits << " bits";
  }
  SoundBlock tiny(2, 44100, 16, 0);
  tiny.raw().dataSize = 15;
  tiny.raw().data = tiny.bytes().data();
  EXPECT_EQ(lib_.filter2(&tiny.raw()), 2);
  EXPECT_EQ(lib_.filter2(nullptr), 2);
  EXPECT_EQ(ThreadsOfThisProcess(), baseThreads_);

  std::strcpy(first.raw().formatName, "PCM");
  ASSERT_EQ(lib_.filter2(first.get()), 0);
  EXPECT_EQ(ThreadsOfThisProcess(), baseThreads_ + 1);  // the worker

  auto refused = [&](SoundBlock& b, const char* what) {
    b.get();
    const std::vector<uint8_t> before = b.bytes();
    EXPECT_EQ(lib_.filter2(&b.raw()), 2) << what;
    EXPECT_EQ(b.bytes(), before) << what;
  };
  SoundBlock lower(2, 44100, 16, 2000);
  lower.Fill(0, 1234);
  std::strcpy(lower.raw().formatName, "pcm");
  refused(lower, "lower-case name");
  SoundBlock longer(2, 44100, 16, 2000);
  longer.Fill(1, -99);
  longer.bytes().push_back(7);
  refused(longer, "one byte more");
  SoundBlock header(2, 48000, 16, 2000);
  header.Fill(0, 5);
  refused(header, "another rate in the header");
  SoundBlock mono(1, 44100, 16, 4000);  // the same data size, another layout
  refused(mono, "one channel");
  // The latched format still works.
  EXPECT_EQ(lib_.filter2(first.get()), 0);
}

TEST_F(PrismoTest, RowsOfTheBlockBeforeTheLatest) {
  lib_.request() = 1;
  SoundBlock a(1, 44100, 16, 4410);
  a.Fill(0, 256);
  SoundBlock silence(1, 44100, 16, 4410);
  // Set-up leaves the rows as they are, so the worker's first rows replace this.
  std::memset(&lib_.info(), 0x55, sizeof(PrismoInfo));
  ASSERT_EQ(lib_.filter2(a.get()), 0);
  const PrismoInfo& info = lib_.info();
  // Only a's successor lets the worker show a: right after set-up it shows the
  // zero-filled previous block, which reads as silence.
  EXPECT_TRUE(WaitUntil([&] { return AllZero(info); }));
  ASSERT_EQ(lib_.filter2(silence.get()), 0);
  ASSERT_TRUE(WaitUntil([&] { return info.waveLeft[575] == 2 && info.spectrumRight[0] == 75; }))
      << int(info.waveLeft[575]) << " " << int(info.spectrumRight[0]);
  // Mono: both rows alike; a constant shows in element 0 only.
  for (uint32_t i = 0; i < kFrame; ++i) {
    EXPECT_EQ(info.waveRight[i], 2);
    if (i > 0) {
      EXPECT_EQ(info.spectrumLeft[i], 0) << i;
    }
  }
}

TEST_F(PrismoTest, EightBitStereoAndSettingsFromTheStore) {
  KvIniSetDword("Prismo", "BSpec", 250);
  KvIniSetDword("Prismo", "MWave", 10);
  lib_.request() = 1;
  SoundBlock b(2, 22050, 8, 2 * kFrame);
  b.Fill(0, 255);
  b.Fill(1, 0);
  for (uint32_t j = 0; j < kFrame * 2; ++j) b.Set(j, 0, j % 2 ? 200 : 160);  // left: 32 / 72
  ASSERT_EQ(lib_.filter2(b.get()), 0);
  ASSERT_EQ(lib_.filter2(b.get()), 0);
  const PrismoInfo& info = lib_.info();
  // The worker writes the waves before the spectra: wait for the whole frame.
  // The left spectrum's top bin holds the alternation plus BSpec; the right
  // spectrum's bin 1 holds nothing but BSpec.
  ASSERT_TRUE(WaitUntil([&] {
    return info.waveRight[0] == -128 && info.waveLeft[1] == 72 && info.spectrumLeft[kFrame / 2] == 255 &&
           info.spectrumRight[1] == 250;
  })) << int(info.waveRight[0]) << " " << int(info.waveLeft[1]) << " " << int(info.spectrumLeft[kFrame / 2]) << " "
      << int(info.spectrumRight[1]);
  EXPECT_EQ(info.waveLeft[0], 32);  // MWave 10: as it is
  // Settings take effect at the next set-up only.
  KvIniSetDword("Prismo", "BSpec", 0);
  SoundBlock c(2, 22050, 8, 2 * kFrame);
  c.Fill(0, 128);
  c.Fill(1, 255);
  ASSERT_EQ(lib_.filter2(c.get()), 0);
  ASSERT_EQ(lib_.filter2(c.get()), 0);
  ASSERT_TRUE(WaitUntil([&] { return info.waveRight[0] == 127; }));
  EXPECT_EQ(info.spectrumRight[1], 250);
}

TEST_F(PrismoTest, CleanupZeroesAndTheNextBlockLatchesAnew) {
  lib_.request() = 1;
  SoundBlock loud(2, 44100, 16, 1000);
  loud.Fill(0, 32767);
  loud.Fill(1, -32768);
  ASSERT_EQ(lib_.filter2(loud.get()), 0);
  ASSERT_EQ(lib_.filter2(loud.get()), 0);
  const PrismoInfo& info = lib_.info();
  ASSERT_TRUE(WaitUntil([&] { return info.waveLeft[0] == 127 && info.waveRight[0] == -128; }))
      << int(info.waveLeft[0]) << " " << int(info.waveRight[0]);

  EXPECT_EQ(lib_.cleanup(), 0);
  EXPECT_TRUE(AllZero(info));
  EXPECT_EQ(ThreadsOfThisProcess(), baseThreads_);  // the worker has ended
  EXPECT_EQ(lib_.cleanup(), 0);  // again: nothing left to release

  // Another format now sets up from scratch.
  SoundBlock eight(1, 8000, 8, kFrame);
  eight.Fill(0, 0);
  EXPECT_EQ(lib_.filter2(eight.get()), 0);
  EXPECT_EQ(lib_.filter2(loud.get()), 2);  // the old format is refused now
  EXPECT_EQ(lib_.filter2(eight.get()), 0);
  ASSERT_TRUE(WaitUntil([&] { return info.waveLeft[0] == -128 && info.waveRight[575] == -128; }))
      << int(info.waveLeft[0]) << " " << int(info.waveRight[575]);
  EXPECT_EQ(info.spectrumLeft[0], 255);
  EXPECT_EQ(info.spectrumLeft[1], 0);
}

// 16-bit mono at 2000 Hz: a frame lasts 288 ms, long beside the pauses a busy
// machine gives a thread. Frame k of a marked block is the constant
// sign * (k + 1) * 256, which the waveform shows as sign * 2 * (k + 1).
constexpr uint32_t kMarkedRate = 2000;
constexpr double kMarkedFrameMs = 1000.0 * kFrame / kMarkedRate;

SoundBlock Marked(int sign, uint32_t frames) {
  SoundBlock b(1, kMarkedRate, 16, frames * kFrame);
  for (uint32_t j = 0; j < frames * kFrame; ++j) b.Set(j, 0, sign * static_cast<int>(j / kFrame + 1) * 256);
  return b;
}

struct Seen {
  int frame;       // -1 for none
  DWORD atMs;      // since the block arrived
  DWORD afterMs;   // the look before, when the frame was not there yet
};

// How late the frame was shown at the least: after the look before it was
// seen. A stall of the whole process delays the frame due and the looks
// alike, so it shows as a later frame, not as lateness; nor does a look that
// comes late count, whichever thread runs first after the stall.
double LateMs(const Seen& s) { return s.afterMs - s.frame * kMarkedFrameMs; }

// The millisecond clock's granularity: a frame may seem this early.
constexpr DWORD kClockGrainMs = 2;

// The first frame seen of a block: never before its time, and shown within
// two frames of it.
testing::AssertionResult FirstOnTime(const std::vector<Seen>& seen) {
  if (seen.empty()) return testing::AssertionFailure() << "no frame seen";
  const Seen& s = seen.front();
  if (s.atMs + kClockGrainMs >= s.frame * kMarkedFrameMs && LateMs(s) < 2 * kMarkedFrameMs)
    return testing::AssertionSuccess();
  return testing::AssertionFailure() << "frame " << s.frame << " seen at " << s.atMs << " ms, not there at "
                                     << s.afterMs << " ms";
}

// Watches element 0 of the left waveform for frames of the given sign. After
// each sighting it writes a value no frame has, so a frame shown a second
// time would be seen again.
std::vector<Seen> Watch(PrismoInfo& info, int sign, DWORD since, DWORD forMs, int untilFrame) {
  constexpr int8_t kSeenMark = 1;  // odd: never a marker
  std::vector<Seen> seen;
  const DWORD start = timeGetTime();
  DWORD lookedAt = since;  // no frame of the block is shown before it arrives
  while (timeGetTime() - start < forMs) {
    const DWORD now = timeGetTime();
    const int8_t v = static_cast<volatile int8_t&>(info.waveLeft[0]);
    if (v != kSeenMark && v != 0 && (v > 0) == (sign > 0)) {
      const DWORD at = timeGetTime() - since;
      static_cast<volatile int8_t&>(info.waveLeft[0]) = kSeenMark;
      seen.push_back({sign * v / 2 - 1, at, lookedAt - since});
      if (seen.back().frame >= untilFrame) break;
    }
    lookedAt = now;
    Sleep(1);
  }
  return seen;
}

// Feeds a block; returns the time read just before, so that times measured
// from it are never shorter than those the worker measures from the block.
DWORD Arrive(PrismoLibrary& lib, SoundBlock& block) {
  const DWORD before = timeGetTime();
  EXPECT_EQ(lib.filter2(block.get()), 0);
  return before;
}

TEST_F(PrismoTest, FramesFollowTheClockOnceEachAndRestartWithANewBlock) {
  timeBeginPeriod(1);
  constexpr uint32_t kFrames = 6;
  const DWORD watchMs = static_cast<DWORD>(kFrames * kMarkedFrameMs) + kPatienceMs;
  lib_.request() = 1;
  SoundBlock plus = Marked(1, kFrames), minus = Marked(-1, kFrames);
  ASSERT_EQ(lib_.filter2(plus.get()), 0);
  DWORD arrived = Arrive(lib_, minus);
  std::vector<Seen> seen = Watch(lib_.info(), 1, arrived, watchMs, kFrames - 1);
  ASSERT_TRUE(FirstOnTime(seen));  // frame 0 is due at once
  for (size_t i = 0; i < seen.size(); ++i) {
    // Never before its time, never twice.
    EXPECT_GE(seen[i].atMs + kClockGrainMs, seen[i].frame * kMarkedFrameMs) << "frame " << seen[i].frame;
    if (i > 0) {
      EXPECT_GT(seen[i].frame, seen[i - 1].frame);
    }
    EXPECT_LT(seen[i].frame, static_cast<int>(kFrames));
  }
  EXPECT_GE(seen.size(), kFrames / 2);  // most frames were seen

  // Half-way through the next block, another block arrives: the worker leaves
  // the frames of `minus` and starts at frame 0 of the block before the newest.
  arrived = Arrive(lib_, plus);
  seen = Watch(lib_.info(), -1, arrived, watchMs, 2);
  EXPECT_TRUE(FirstOnTime(seen));
  arrived = Arrive(lib_, minus);  // now `plus` is the previous block
  seen = Watch(lib_.info(), 1, arrived, watchMs, 1);
  // Frames 3 to 5 of `minus` would come first if it were not cut short,
  // putting frame 0 of `plus` about three frames late.
  EXPECT_TRUE(FirstOnTime(seen));
  timeEndPeriod(1);
}

TEST_F(PrismoTest, BlocksShorterThanAFrameLeaveTheWorkerIdle) {
  lib_.request() = 1;
  SoundBlock shortBlock(2, 44100, 16, kFrame - 1);
  shortBlock.Fill(0, 20000);
  FILETIME c, e, k0, u0, k1, u1;
  ASSERT_EQ(lib_.filter2(shortBlock.get()), 0);
  GetProcessTimes(GetCurrentProcess(), &c, &e, &k0, &u0);
  for (int i = 0; i < 5; ++i) {
    ASSERT_EQ(lib_.filter2(shortBlock.get()), 0);
    Sleep(100);  // an engine's pace: the CPU time over these blocks is what counts
  }
  GetProcessTimes(GetCurrentProcess(), &c, &e, &k1, &u1);
  auto ticks = [](FILETIME f) { return (static_cast<uint64_t>(f.dwHighDateTime) << 32) | f.dwLowDateTime; };
  const uint64_t busy100ns = ticks(k1) - ticks(k0) + ticks(u1) - ticks(u0);
  // A worker that spun would take a large share of the half second (under
  // Wine much of it is spent in wineserver, which is not counted here).
  EXPECT_LT(busy100ns, 500000u) << "CPU time in 100 ns units";
  EXPECT_TRUE(AllZero(lib_.info()));  // nothing to show
}

TEST_F(PrismoTest, AnEngineThatStopsFeedingIsReleasedAndTheNextBlockSetsUpAnew) {
  lib_.request() = 1;
  SoundBlock block(2, 44100, 16, 2048);
  block.Fill(0, 256);
  block.Fill(1, -512);
  const PrismoInfo& info = lib_.info();
  const auto feedUntilShown = [&] {
    return WaitUntil([&] { return lib_.filter2(block.get()) == 0 && info.waveLeft[0] == 2 && info.waveRight[0] == -4; });
  };
  ASSERT_TRUE(feedUntilShown());
  // No more blocks: the worker releases everything and ends by itself.
  EXPECT_TRUE(WaitUntil([&] { return AllZero(info) && ThreadsOfThisProcess() == baseThreads_; }))
      << AllZero(info) << " " << ThreadsOfThisProcess() << " threads of " << baseThreads_;
  ASSERT_TRUE(feedUntilShown());
  EXPECT_GT(ThreadsOfThisProcess(), baseThreads_);
}

// The loader lock, which a thread needs to leave the process (and a new
// thread to start).
class LoaderLock {
 public:
  LoaderLock() {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    lock_ = reinterpret_cast<Lock>(reinterpret_cast<void*>(GetProcAddress(ntdll, "LdrLockLoaderLock")));
    unlock_ = reinterpret_cast<Unlock>(reinterpret_cast<void*>(GetProcAddress(ntdll, "LdrUnlockLoaderLock")));
    ULONG disposition = 0;
    held_ = lock_ && unlock_ && lock_(0, &disposition, &cookie_) >= 0;
  }
  LoaderLock(const LoaderLock&) = delete;
  LoaderLock& operator=(const LoaderLock&) = delete;
  ~LoaderLock() { Release(); }
  explicit operator bool() const { return held_; }
  void Release() {
    if (held_) unlock_(0, cookie_);
    held_ = false;
  }

 private:
  using Lock = LONG(WINAPI*)(ULONG, ULONG*, ULONG_PTR*);
  using Unlock = LONG(WINAPI*)(ULONG, ULONG_PTR);
  Lock lock_ = nullptr;
  Unlock unlock_ = nullptr;
  ULONG_PTR cookie_ = 0;
  bool held_ = false;
};

TEST_F(PrismoTest, CleanupRightAfterTheWorkerRetiredReturnsOnceTheWorkerIsGone) {
  lib_.request() = 1;
  SoundBlock block(2, 44100, 16, 2048);
  block.Fill(0, 256);
  const PrismoInfo& info = lib_.info();
  ASSERT_TRUE(WaitUntil([&] { return lib_.filter2(block.get()) == 0 && info.waveLeft[0] == 2; }));

  // The engine's thread, made before the loader lock is taken.
  const kv::KernelHandle go(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  const kv::KernelHandle returned(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  int threadsAfterCleanup = -1;
  std::thread engine([&] {
    WaitForSingleObject(go.get(), INFINITE);
    lib_.cleanup();
    threadsAfterCleanup = ThreadsOfThisProcess();
    SetEvent(returned.get());
  });
  {
    // Holding it keeps the retired worker on its way out of the library.
    LoaderLock loader;
    EXPECT_TRUE(loader);
    EXPECT_TRUE(WaitUntil([&] { return AllZero(info); }));  // retired
    SetEvent(go.get());
    // Cleanup must not return now; the worker cannot leave before the lock is
    // released, so a Cleanup that returns does so within this time.
    WaitForSingleObject(returned.get(), 500);
  }
  engine.join();
  EXPECT_EQ(threadsAfterCleanup, baseThreads_ + 1) << "Cleanup returned before the retired worker had ended";
}

// ---- a second process

// The engine's side: feeds blocks of a constant stereo signal every 20 ms
// until the event args[0] is set, and sets the event args[1] after each
// block. Exit code: blocks that were not taken.
WINTEST_CHILD(EngineFeeding) {
  PrismoLibrary lib;
  HANDLE done = OpenEventA(SYNCHRONIZE, FALSE, args.at(0).c_str());
  HANDLE fed = OpenEventA(EVENT_MODIFY_STATE, FALSE, args.at(1).c_str());
  if (!lib.loaded() || !done || !fed) return 100;
  SoundBlock block(2, 44100, 16, 882);
  block.Fill(0, 256);
  block.Fill(1, -512);
  int failures = 0;
  for (int i = 0; i < 3000 && WaitForSingleObject(done, 20) == WAIT_TIMEOUT; ++i)
  {
    if (lib.filter2(block.get()) != 0) ++failures;
    SetEvent(fed);
  }
  CloseHandle(fed);
  CloseHandle(done);
  lib.cleanup();
  return failures;
}

TEST(PrismoViewer, AViewerStartsAndStopsTheEnginesAnalysisAndSeesItsRows) {
  PrismoLibrary viewer;  // never calls Filter2
  ASSERT_TRUE(viewer.loaded());
  PrismoInfo& info = viewer.info();
  viewer.request() = 0;
  const std::string doneName = "PrismoViewerDone-" + std::to_string(GetCurrentProcessId());
  const std::string fedName = "PrismoViewerFed-" + std::to_string(GetCurrentProcessId());
  HANDLE done = CreateEventA(nullptr, TRUE, FALSE, doneName.c_str());
  HANDLE fed = CreateEventA(nullptr, FALSE, FALSE, fedName.c_str());  // auto-reset
  ASSERT_NE(done, nullptr);
  ASSERT_NE(fed, nullptr);
  wintest::ChildProcess engine("EngineFeeding", {doneName, fedName});
  ASSERT_TRUE(engine.started());
  // Two blocks fed from now on: the second began after the first was fed, so
  // after the flag was written here. The event may still be set by a block
  // fed long before: that one does not count.
  const auto fedTwice = [&] {
    ResetEvent(fed);
    return WaitForSingleObject(fed, kPatienceMs) == WAIT_OBJECT_0 &&
           WaitForSingleObject(fed, kPatienceMs) == WAIT_OBJECT_0;
  };

  ASSERT_TRUE(fedTwice());  // the engine feeds, nobody asks
  EXPECT_TRUE(AllZero(info));
  viewer.request() = 1;
  // The spectra follow the waves within a frame: 256 * 576 * 255 / 500000 = 75.
  EXPECT_TRUE(WaitUntil([&] { return info.waveLeft[0] == 2 && info.waveRight[0] == -4 && info.spectrumLeft[0] == 75; }))
      << int(info.waveLeft[0]) << " " << int(info.waveRight[0]) << " " << int(info.spectrumLeft[0]);
  viewer.request() = 0;
  // A block taken after that released the engine's worker: nothing writes now.
  ASSERT_TRUE(fedTwice());
  EXPECT_TRUE(AllZero(info));

  SetEvent(done);
  EXPECT_EQ(engine.Wait(), 0);
  CloseHandle(fed);
  CloseHandle(done);
}

// Unloads the library while its worker is busy, then checks that a library
// released through Cleanup first really goes away. 0 when all went well.
WINTEST_CHILD(UnloadDuringAnalysis) {
  {
    PrismoLibrary lib;
    if (!lib.loaded()) return 1;
    lib.request() = 1;
    SoundBlock block(2, 44100, 16, 44100);
    block.Fill(0, 3000);
    for (int i = 0; i < 3; ++i)
      if (lib.filter2(block.get()) != 0) return 2;
    // The block lasts a second: its frames are still being shown at unload.
    if (!WaitUntil([&] { return lib.info().waveLeft[0] != 0; }, kPatienceMs)) return 6;
    lib.Unload();
  }
  {
    PrismoLibrary lib;  // the same library, still running its worker
    if (!lib.loaded()) return 3;
    lib.cleanup();
    if (!AllZero(lib.info())) return 4;
    lib.request() = 0;
  }
  return GetModuleHandleA(prismo_test::kLibrary) == nullptr ? 0 : 5;
}

TEST(PrismoUnload, FreeLibraryDuringAnalysisReturns) {
  EXPECT_EQ(wintest::RunChild("UnloadDuringAnalysis", {}, 30000), 0);
}

// The engine's side of an unload without Cleanup, twice: loads the library,
// feeds until the rows show its blocks, unloads it, waits until it is gone
// from the process (the rows are blanked before), and waits for the viewer
// (args[0], an event) before the next round. Exit code: 0, or the
// round * 10 + step that failed.
WINTEST_CHILD(EngineUnloadsWithoutCleanup) {
  HANDLE viewerSawBlank = OpenEventA(SYNCHRONIZE, FALSE, args.at(0).c_str());
  if (!viewerSawBlank) return 1;
  for (int round = 1; round <= 2; ++round) {
    DWORD lastBlock = 0;
    {
      PrismoLibrary lib;
      if (!lib.loaded()) return round * 10 + 1;
      SoundBlock block(2, 44100, 16, 882);
      block.Fill(0, 256);
      block.Fill(1, -512);
      const PrismoInfo& info = lib.info();
      const auto fedUntilShown = [&] {
        lastBlock = GetTickCount();
        return lib.filter2(block.get()) == 0 && info.waveLeft[0] == 2;
      };
      if (!WaitUntil(fedUntilShown, kPatienceMs)) return round * 10 + 2;
    }  // FreeLibrary, no Cleanup
    const auto gone = [] { return GetModuleHandleA(prismo_test::kLibrary) == nullptr; };
    if (!WaitUntil(gone, kPatienceMs)) return round * 10 + 3;
    if (GetTickCount() - lastBlock > kRetiredWithinMs) return round * 10 + 5;
    if (WaitForSingleObject(viewerSawBlank, kPatienceMs) != WAIT_OBJECT_0) return round * 10 + 4;
  }
  CloseHandle(viewerSawBlank);
  return 0;
}

TEST(PrismoUnload, AnEngineUnloadingWithoutCleanupFreesTheLibraryAndBlanksTheRows) {
  PrismoLibrary viewer;
  ASSERT_TRUE(viewer.loaded());
  viewer.request() = 1;
  const PrismoInfo& info = viewer.info();
  const std::string sawBlankName = "PrismoViewerSawBlank-" + std::to_string(GetCurrentProcessId());
  HANDLE sawBlank = CreateEventA(nullptr, FALSE, FALSE, sawBlankName.c_str());  // auto-reset
  ASSERT_NE(sawBlank, nullptr);
  wintest::ChildProcess engine("EngineUnloadsWithoutCleanup", {sawBlankName});
  ASSERT_TRUE(engine.started());
  for (int round = 1; round <= 2; ++round) {
    EXPECT_TRUE(WaitUntil([&] { return info.waveLeft[0] == 2 && info.waveRight[0] == -4; }, kPatienceMs))
        << round << ": " << int(info.waveLeft[0]) << " " << int(info.waveRight[0]);
    // The rows showed within a poll of the engine's last block.
    EXPECT_TRUE(WaitUntil([&] { return AllZero(info); }, kRetiredWithinMs)) << round;
    SetEvent(sawBlank);
  }
  EXPECT_EQ(engine.Wait(), 0);
  CloseHandle(sawBlank);
  viewer.request() = 0;
}

}  // namespace
