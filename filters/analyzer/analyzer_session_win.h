// The analyzer in one process: the latched format, the two block buffers
// behind their lock, the events and the worker thread that turns the
// previous block into rows of the shared record, frame by frame, by the clock.
//
// The lock over the buffers is a critical section, so that taking it once per
// frame costs no kernel call. The worker's look at the events while it holds
// the lock reads two flags that mirror them: the stop flag is raised before
// the stop event is set, and the pending-block flag changes only together with
// the new-block event and under the lock.
//
// The worker keeps the library loaded. So that an engine may unload the
// library without Cleanup, the worker retires by itself when no block has come
// for kIdleReleaseMs after the last frame it showed: it releases everything,
// blanks the rows and drops its reference on its way out. Retiring and the
// engine's calls exclude each other through the life mutex, which Filter2 and
// Cleanup hold throughout; the worker waits for it together with its two
// events, so a block or a stop that comes meanwhile is taken instead, and a
// Cleanup holding the mutex while it waits for the worker never deadlocks.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "filters/analyzer/analyzer_settings.h"
#include "filters/analyzer/frame_analysis.h"
#include "filters/common/critical_section_win.h"
#include "filters/common/stream_format.h"
#include "host/records.h"
#include "host/win_handle.h"

namespace prismo {

// How long the worker waits for another block, after it showed the last
// frame of one, before it releases everything.
inline constexpr DWORD kIdleReleaseMs = 1000;

class AnalyzerSession {
 public:
  constexpr explicit AnalyzerSession(PrismoShared& shared) : shared_(shared) {}
  AnalyzerSession(const AnalyzerSession&) = delete;
  AnalyzerSession& operator=(const AnalyzerSession&) = delete;

  // Filter2: takes a block for the worker; a result code of FilterResult.
  int32_t Filter(const FilterBlock* block);
  // Cleanup: stops the worker and waits for it (or for a worker that has just
  // retired to be gone), releases everything, zeroes the result area. Must
  // not run under the loader lock.
  void Cleanup();
  // DLL_PROCESS_DETACH. The worker holds a reference on the library, so when
  // the library is unloaded by FreeLibrary the worker is gone or is the thread
  // leaving through FreeLibraryAndExitThread: nothing is waited for. At
  // process exit the other threads have already been ended.
  void ReleaseOnUnload(bool processExit);

 private:
  enum class Wake { Stop, NewBlock, Timeout, Failed, Retired };

  // Holds the life mutex for the engine's calls; made on the engine's first
  // call, kept until unload (the worker only exists after it).
  class LifeHold {
   public:
    explicit LifeHold(AnalyzerSession& s);
    LifeHold(const LifeHold&) = delete;
    LifeHold& operator=(const LifeHold&) = delete;
    ~LifeHold();
    explicit operator bool() const { return held_ != nullptr; }

   private:
    HANDLE held_ = nullptr;
  };

  int32_t FilterHeld(const FilterBlock* block);
  void CleanupHeld();
  int32_t SetUp(const FilterBlock& block);
  bool StartWorker();
  void ReleaseAll();
  void JoinRetired();
  bool Requested() const;

  static DWORD WINAPI WorkerEntry(void* session);
  void RunWorker();  // returns when the worker is to end
  // Shows the frames of the block that just became the previous one. Stop,
  // NewBlock (a newer block cut it short), Failed, or Timeout when the block
  // has no frame left.
  Wake ShowBlock();
  Wake WaitSet(DWORD timeoutMs) const;
  // After an idle wait: Stop or NewBlock when the engine came first, Failed,
  // or Retired once everything is released and the mutex given back.
  Wake Retire();
  void Fail() { failed_.store(true); }

  PrismoShared& shared_;
  std::atomic<bool> failed_{false};
  bool setUp_ = false;

  // Latched at set-up; read-only while the worker runs.
  filters::StreamFormat format_{};
  AnalyzerSettings settings_;
  uint32_t framesPerBlock_ = 0;
  uint32_t frameBytes_ = 0;
  double frameMs_ = 0;

  struct FreeBytes {
    void operator()(uint8_t* p) const { std::free(p); }
  };
  std::unique_ptr<uint8_t, FreeBytes> previous_;  // analysed by the worker; guarded by lock_
  std::unique_ptr<uint8_t, FreeBytes> newest_;    // guarded by lock_

  kv::KernelHandle stop_;      // manual reset
  kv::KernelHandle newBlock_;  // manual reset; reset by the worker at frame 0
  filters::CriticalSection lock_;
  std::atomic<bool> stopping_{false};      // mirrors stop_
  std::atomic<bool> pendingBlock_{false};  // mirrors newBlock_; changed under lock_
  kv::KernelHandle worker_;
  // A worker that retired may still be on its way out of the library after it
  // gave back the life mutex; its handle stays here until someone waits for it.
  kv::KernelHandle retired_;
  HMODULE workerModule_ = nullptr;  // the worker's own reference on this library
  kv::KernelHandle life_;           // mutex, not owned at creation

  FrameAnalysis analysis_;
  alignas(16) uint8_t frame_[kMaxFrameBytes] = {};
};

}  // namespace prismo
