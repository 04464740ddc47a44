#include "tests/gui/engine_window.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "host/engine_messages.h"
#include "tests/support/wait.h"

namespace gui {
namespace {

constexpr char kOtherClass[] = "TavrinGuiOtherWindow";
constexpr UINT kActivateOther = WM_APP + 1;  // to the engine thread: activate the other window
constexpr UINT kSettleMark = WM_APP + 2;     // to the engine thread: a Settle marker (wParam)

}  // namespace

EngineWindow::EngineWindow() {
  ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  thread_ = CreateThread(nullptr, 0, &EngineWindow::Thread, this, 0, &threadId_);
  if (thread_) WaitForSingleObject(ready_, wintest::kThreadWaitMs);
}

EngineWindow::~EngineWindow() {
  if (thread_) {
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    WaitForSingleObject(thread_, wintest::kThreadWaitMs);
    CloseHandle(thread_);
  }
  if (ready_) CloseHandle(ready_);
}

DWORD WINAPI EngineWindow::Thread(void* param) {
  auto* self = static_cast<EngineWindow*>(param);
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA engine{};
  engine.lpfnWndProc = &EngineWindow::Proc;
  engine.hInstance = instance;
  engine.lpszClassName = engine::kWindowClass;
  RegisterClassA(&engine);
  WNDCLASSA other{};
  other.lpfnWndProc = DefWindowProcA;
  other.hInstance = instance;
  other.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  other.lpszClassName = kOtherClass;
  RegisterClassA(&other);

  self->window_ = CreateWindowExA(0, engine::kWindowClass, "Tavrin FM Player", WS_OVERLAPPED, 0, 0, 10, 10,
                                  nullptr, nullptr, instance, nullptr);
  if (self->window_) SetWindowLongPtrA(self->window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  // Far from where scenarios put the module's window.
  self->other_ = CreateWindowExA(0, kOtherClass, "Other program", WS_POPUP | WS_VISIBLE, 0, 600, 60, 60,
                                 nullptr, nullptr, instance, nullptr);
  SetEvent(self->ready_);

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (msg.hwnd == nullptr && msg.message == kActivateOther) {
      SetForegroundWindow(self->other_);
      SetActiveWindow(self->other_);
      SetFocus(self->other_);
      continue;
    }
    if (msg.hwnd == nullptr && msg.message == kSettleMark) {
      const long mark = static_cast<long>(msg.wParam);
      if (mark > self->settled_) self->settled_ = mark;
      continue;
    }
    DispatchMessageA(&msg);
  }
  DestroyWindow(self->other_);
  DestroyWindow(self->window_);
  UnregisterClassA(engine::kWindowClass, instance);
  UnregisterClassA(kOtherClass, instance);
  return 0;
}

LRESULT CALLBACK EngineWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<EngineWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self && (message >= WM_USER && message < 0x10000)) {
    self->Record(message, wParam, lParam);
    return self->AnswerFor(message, lParam);
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

void EngineWindow::Record(UINT message, WPARAM wParam, LPARAM lParam) {
  const bool sent = InSendMessage() != FALSE;
  std::lock_guard<std::mutex> lock(mutex_);
  messages_.push_back({message, wParam, lParam, sent});
}

LRESULT EngineWindow::AnswerFor(UINT message, LPARAM lParam) const {
  std::lock_guard<std::mutex> lock(mutex_);
  if (message == engine::kStationByPreset && lParam != 0) {
    auto* record = reinterpret_cast<StationInfo*>(lParam);
    const auto it = presets_.find(record->number);
    if (it == presets_.end()) return 0;
    *record = it->second;
    return 1;
  }
  if (message == engine::kStationByFrequency && lParam != 0) {
    auto* record = reinterpret_cast<StationInfo*>(lParam);
    const auto it = stations_.find(record->frequency);
    if (it == stations_.end()) return 0;
    *record = it->second;
    return 1;
  }
  if (message == engine::kGetRecordPath && lParam != 0) {
    if (recordPath_.empty()) return 0;
    lstrcpynA(reinterpret_cast<char*>(lParam), recordPath_.c_str(), MAX_PATH);
    return 1;
  }
  const auto it = answers_.find(message);
  return it == answers_.end() ? 0 : it->second;
}

void EngineWindow::Station(uint32_t frequency, const char* name) {
  StationInfo station{};
  station.frequency = frequency;
  lstrcpynA(station.name, name, sizeof station.name);
  std::lock_guard<std::mutex> lock(mutex_);
  stations_[frequency] = station;
}

void EngineWindow::RecordPath(const std::string& path) {
  std::lock_guard<std::mutex> lock(mutex_);
  recordPath_ = path;
}

void EngineWindow::Preset(uint32_t number, uint32_t frequency, const char* name) {
  StationInfo station{};
  station.frequency = frequency;
  station.flags = kStationFlagButton;
  station.number = number;
  lstrcpynA(station.name, name, sizeof station.name);
  std::lock_guard<std::mutex> lock(mutex_);
  presets_[number] = station;
}

void EngineWindow::Answer(UINT message, LRESULT result) {
  std::lock_guard<std::mutex> lock(mutex_);
  answers_[message] = result;
}

bool EngineWindow::Settle(DWORD timeoutMs) const {
  // The thread itself has taken everything before the message it handles.
  if (GetCurrentThreadId() == threadId_) return true;
  // A thread's posted messages are taken in the order they were posted, so
  // the marker comes after everything posted to the window before it. Numbers
  // are posted in their order, so the thread never takes a lower one after a
  // higher.
  long mark = 0;
  {
    std::lock_guard<std::mutex> lock(posting_);
    mark = ++settles_;
    if (!PostThreadMessageA(threadId_, kSettleMark, static_cast<WPARAM>(mark), 0)) {
      ADD_FAILURE() << "the engine window's thread takes no messages";
      return false;
    }
  }
  if (wintest::WaitUntil([&] { return settled_ >= mark; }, timeoutMs)) return true;
  ADD_FAILURE() << "the engine window's thread did not take what was posted to it within " << timeoutMs << " ms";
  return false;
}

std::vector<wintest::Message> EngineWindow::Messages() const {
  Settle();
  std::lock_guard<std::mutex> lock(mutex_);
  return messages_;
}

size_t EngineWindow::Count(UINT message) const {
  std::lock_guard<std::mutex> lock(mutex_);
  return static_cast<size_t>(std::count_if(messages_.begin(), messages_.end(),
                                           [&](const wintest::Message& m) { return m.message == message; }));
}

std::vector<wintest::Message> EngineWindow::Messages(UINT message) const {
  std::vector<wintest::Message> out;
  for (const wintest::Message& m : Messages())
    if (m.message == message) out.push_back(m);
  return out;
}

void EngineWindow::Clear() {
  Settle();
  std::lock_guard<std::mutex> lock(mutex_);
  messages_.clear();
}

bool EngineWindow::WaitFor(UINT message, size_t count, DWORD timeoutMs) const {
  // Messages are only added while this waits, so looking until the count is
  // reached needs no settling.
  return wintest::WaitUntil([&] { return Count(message) >= count; }, timeoutMs);
}

bool EngineWindow::ActivateOther() {
  return PostThreadMessageA(threadId_, kActivateOther, 0, 0) &&
         wintest::WaitUntil([&] { return GetForegroundWindow() == other_; });
}

}  // namespace gui
