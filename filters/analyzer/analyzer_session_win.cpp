#include "filters/analyzer/analyzer_session_win.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "filters/analyzer/frame_pacer.h"
#include "filters/analyzer/millisecond_clock_win.h"
#include "host/settings.h"

namespace prismo {

bool AnalyzerSession::Requested() const {
  // Written by viewers in other processes at any time.
  return static_cast<const volatile int32_t&>(shared_.request) != 0;
}

AnalyzerSession::LifeHold::LifeHold(AnalyzerSession& s) {
  if (!s.life_) s.life_.reset(CreateMutexA(nullptr, FALSE, nullptr));
  if (!s.life_) return;
  const DWORD r = WaitForSingleObject(s.life_.get(), INFINITE);
  if (r == WAIT_OBJECT_0 || r == WAIT_ABANDONED) held_ = s.life_.get();
}

AnalyzerSession::LifeHold::~LifeHold() {
  if (held_) ReleaseMutex(held_);
}

int32_t AnalyzerSession::Filter(const FilterBlock* block) {
  if (!filters::IsPcmBlock(block)) return kFilterRefused;
  if (failed_.load()) return kFilterSystemError;
  const LifeHold hold(*this);
  if (!hold) return kFilterSystemError;
  return FilterHeld(block);
}

int32_t AnalyzerSession::FilterHeld(const FilterBlock* block) {
  if (!Requested()) {
    CleanupHeld();
    return kFilterOk;
  }
  if (!setUp_) {
    const int32_t result = SetUp(*block);
    if (result != kFilterOk) return result;
  }
  if (!format_.Matches(*block)) return kFilterRefused;

  filters::ScopedLock hold(lock_);
  // The newest block becomes the previous one; this block the newest.
  std::swap(previous_, newest_);
  std::memcpy(newest_.get(), block->data + kPcmHeaderSize, format_.sampleBytes);
  pendingBlock_.store(true);
  SetEvent(newBlock_.get());
  return kFilterOk;
}

int32_t AnalyzerSession::SetUp(const FilterBlock& block) {
  const auto format = filters::LatchFormat(block);
  if (!format) return kFilterRefused;  // more than we can hold, or not even a header
  settings_ = ReadAnalyzerSettings(kv::StoreSettings());
  format_ = *format;
  framesPerBlock_ = filters::FramesPerBlock(format_, kFrameLength);
  frameBytes_ = filters::FrameBytes(format_, kFrameLength);
  frameMs_ = filters::FrameDurationMs(format_, kFrameLength);

  // Zero-filled: the first frames shown come from silence. One byte at
  // least, so that a block of no samples still has buffers.
  const size_t bytes = std::max<size_t>(format_.sampleBytes, 1);
  if (!previous_) previous_.reset(static_cast<uint8_t*>(std::calloc(bytes, 1)));
  if (!newest_) newest_.reset(static_cast<uint8_t*>(std::calloc(bytes, 1)));
  if (!previous_ || !newest_) {
    CleanupHeld();
    return kFilterNoMemory;
  }
  if (!stop_) stop_.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  if (!newBlock_) newBlock_.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  stopping_.store(false);
  pendingBlock_.store(false);
  // The plan before the worker, so that the worker never meets a missing plan.
  const bool made = stop_ && newBlock_ && lock_.Create() && analysis_.Prepare() && (worker_ || StartWorker());
  if (!made) {
    CleanupHeld();
    return kFilterSystemError;
  }
  setUp_ = true;
  return kFilterOk;
}

bool AnalyzerSession::StartWorker() {
  // The worker keeps the library loaded while it runs and drops that
  // reference as it leaves, so FreeLibrary never has to wait for it.
  HMODULE self = nullptr;
  if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(&WorkerEntry), &self))
    return false;
  kv::Library reference(self);  // given back here unless the worker takes it
  JoinRetired();  // so that at most one worker is ever on its way out
  workerModule_ = self;
  worker_.reset(CreateThread(nullptr, 0, &WorkerEntry, this, 0, nullptr));
  if (!worker_) {
    workerModule_ = nullptr;
    return false;
  }
  reference.release();  // the worker's now, dropped by FreeLibraryAndExitThread
  return true;
}

void AnalyzerSession::Cleanup() {
  // Without the mutex (it could not be made) nothing was ever set up here.
  const LifeHold hold(*this);
  CleanupHeld();
}

void AnalyzerSession::CleanupHeld() {
  if (worker_) {
    stopping_.store(true);
    SetEvent(stop_.get());
    WaitForSingleObject(worker_.get(), INFINITE);
  }
  JoinRetired();
  ReleaseAll();
}

void AnalyzerSession::JoinRetired() {
  if (retired_) WaitForSingleObject(retired_.get(), INFINITE);
  retired_.reset();
}

void AnalyzerSession::ReleaseOnUnload(bool processExit) {
  if (processExit) {
    // Threads are gone and the process is ending: only blank the pictures of
    // the viewers that stay.
    std::memset(&shared_.info, 0, sizeof shared_.info);
    return;
  }
  // A retired worker is gone by now, or it is the thread unloading us.
  retired_.reset();
  ReleaseAll();
  life_.reset();
}

void AnalyzerSession::ReleaseAll() {
  worker_.reset();
  workerModule_ = nullptr;
  previous_.reset();
  newest_.reset();
  stop_.reset();
  newBlock_.reset();
  lock_.Destroy();
  analysis_.Release();
  std::memset(&shared_.info, 0, sizeof shared_.info);
  setUp_ = false;
}

DWORD WINAPI AnalyzerSession::WorkerEntry(void* session) {
  auto* self = static_cast<AnalyzerSession*>(session);
  const HMODULE module = self->workerModule_;
  self->RunWorker();
  FreeLibraryAndExitThread(module, 0);
}

AnalyzerSession::Wake AnalyzerSession::WaitSet(DWORD timeoutMs) const {
  // Stop first: a wait on several objects reports the lowest signalled one.
  const HANDLE set[2] = {stop_.get(), newBlock_.get()};
  switch (WaitForMultipleObjects(2, set, FALSE, timeoutMs)) {
    case WAIT_OBJECT_0: return Wake::Stop;
    case WAIT_OBJECT_0 + 1: return Wake::NewBlock;
    case WAIT_TIMEOUT: return Wake::Timeout;
    default: return Wake::Failed;
  }
}

AnalyzerSession::Wake AnalyzerSession::Retire() {
  // Stop and new block first, as in every wait: the mutex is taken only while
  // neither is set, and neither can be set while this thread holds it.
  const HANDLE set[3] = {stop_.get(), newBlock_.get(), life_.get()};
  switch (WaitForMultipleObjects(3, set, FALSE, INFINITE)) {
    case WAIT_OBJECT_0: return Wake::Stop;
    case WAIT_OBJECT_0 + 1: return Wake::NewBlock;
    case WAIT_OBJECT_0 + 2:
    case WAIT_ABANDONED_0 + 2: break;
    default: return Wake::Failed;
  }
  const HANDLE life = life_.get();
  retired_ = std::move(worker_);
  ReleaseAll();  // this thread's handle and events too; nothing waits on them now
  ReleaseMutex(life);
  return Wake::Retired;  // from here on nothing of the session is touched
}

void AnalyzerSession::RunWorker() {
  Wake wake = WaitSet(kIdleReleaseMs);  // set-up stores a block at once
  for (;;) {
    switch (wake) {
      case Wake::Stop:
      case Wake::Retired: return;
      case Wake::NewBlock: break;
      case Wake::Timeout: wake = Retire(); continue;
      default: Fail(); return;
    }
    wake = ShowBlock();
    // A newer block goes straight on: waiting again would only see the
    // new-block event still set (and the stop event is checked first in
    // every wait, so a stop is never passed over).
    if (wake == Wake::Timeout) wake = WaitSet(kIdleReleaseMs);
  }
}

AnalyzerSession::Wake AnalyzerSession::ShowBlock() {
  const MillisecondClock clock;
  FramePacer pacer(frameMs_, framesPerBlock_);
  pacer.Start(clock.Now());
  for (;;) {
    const uint32_t now = clock.Now();
    const FramePacer::Step step = pacer.Next(now);
    if (step.action == FramePacer::Action::Wait) {
      const Wake wake = WaitSet(pacer.MsUntilNextFrame(now));
      if (wake == Wake::Timeout) continue;
      return wake;
    }
    if (step.action == FramePacer::Action::Done) {
      if (framesPerBlock_ == 0) {
        // Nothing to show, so no frame 0 resets the event: reset it here,
        // or the wait for the next block would return again and again.
        filters::ScopedLock hold(lock_);
        pendingBlock_.store(false);
        ResetEvent(newBlock_.get());
      }
      return Wake::Timeout;
    }

    const uint32_t k = step.frame;
    {
      filters::ScopedLock hold(lock_);
      if (k == 0) {
        pendingBlock_.store(false);
        ResetEvent(newBlock_.get());  // this block is now the current one
      } else if (stopping_.load()) {
        return Wake::Stop;
      } else if (pendingBlock_.load()) {
        return Wake::NewBlock;  // a newer block cuts this one short
      }
      std::memcpy(frame_, previous_.get() + static_cast<size_t>(k) * frameBytes_, frameBytes_);
    }
    analysis_.Analyze(format_, frame_, settings_, shared_.info);
    pacer.Shown(k);
  }
}

}  // namespace prismo
