// A window of the engine's class on a thread of its own that records every
// message it gets and answers from a scripted state, so that a module under
// test finds it as it would find the engine. The thread also keeps a plain
// visible window that a scenario can bring to the foreground, as a user
// clicking another program would.
#pragma once

#include <windows.h>

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "host/records.h"
#include "tests/support/message_sequence.h"
#include "tests/support/wait.h"

namespace gui {

class EngineWindow {
 public:
  EngineWindow();
  EngineWindow(const EngineWindow&) = delete;
  EngineWindow& operator=(const EngineWindow&) = delete;
  ~EngineWindow();

  HWND window() const { return window_; }
  bool ok() const { return window_ != nullptr; }

  // The answer to a sent message (0 unless scripted).
  void Answer(UINT message, LRESULT result);

  // Station records answered to 0x751 by preset number (the module runs in
  // this process, so the record is written straight into its memory).
  void Preset(uint32_t number, uint32_t frequency, const char* name);

  // The record answered to 0x750 for this frequency (other frequencies get
  // 0 and nothing written), and the path written for 0x729.
  void Station(uint32_t frequency, const char* name);
  void RecordPath(const std::string& path);

  // Every message from WM_USER upward (and registered ones), in order. A
  // message posted to the window reaches it only when the window's thread
  // takes it, so these first wait until the thread has taken everything
  // posted before the call: once the module is idle, what it posted is here.
  std::vector<wintest::Message> Messages() const;
  std::vector<wintest::Message> Messages(UINT message) const;
  // Forgets the messages so far, those still on their way included.
  void Clear();
  // Waits until `message` has arrived `count` times in all.
  bool WaitFor(UINT message, size_t count = 1, DWORD timeoutMs = wintest::kDefaultWaitMs) const;

  // Brings the other window to the foreground (the module's loses it).
  bool ActivateOther();
  HWND other() const { return other_; }

 private:
  static DWORD WINAPI Thread(void* self);
  static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
  void Record(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT AnswerFor(UINT message, LPARAM lParam) const;
  // Returns once the thread has taken every message posted to it before;
  // false (and a test failure) when it has not within timeoutMs.
  bool Settle(DWORD timeoutMs = wintest::kDefaultWaitMs) const;
  size_t Count(UINT message) const;

  HANDLE thread_ = nullptr;
  HANDLE ready_ = nullptr;
  DWORD threadId_ = 0;
  HWND window_ = nullptr;
  HWND other_ = nullptr;
  mutable std::mutex posting_;            // markers are posted in number order
  mutable long settles_ = 0;              // markers posted by Settle
  std::atomic<long> settled_{0};          // the highest marker the thread took
  mutable std::mutex mutex_;
  std::vector<wintest::Message> messages_;
  std::map<UINT, LRESULT> answers_;
  std::map<uint32_t, StationInfo> presets_;
  std::map<uint32_t, StationInfo> stations_;
  std::string recordPath_;
};

}  // namespace gui
