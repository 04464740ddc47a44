// A client of a real KvEngine.exe in another process: starts and ends the
// engine, and gives windows that record every message they get.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "host/records.h"

namespace enginetest {

struct Received {
  UINT msg;
  WPARAM wParam;
};

class EngineProcess {
 public:
  // Runs KvEngine.exe of `folder` (empty: the install folder), whose
  // plug-ins it loads; a viewer shares a plug-in's record only with an
  // engine that loaded the same file.
  explicit EngineProcess(const std::string& arguments = "", const std::string& folder = "");
  ~EngineProcess();  // asks the engine to exit, and ends it if it does not
  EngineProcess(const EngineProcess&) = delete;
  EngineProcess& operator=(const EngineProcess&) = delete;

  HWND window() const { return window_; }
  bool running() const;
  // Posts the exit message and waits; the exit code, or -1 on time-out.
  int Exit();
  LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
  void Post(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
  HWND window_ = nullptr;
};

// A top-level window of its own class that keeps what it receives.
class RecordingWindow {
 public:
  explicit RecordingWindow(const char* className = "EngineTestClient");
  ~RecordingWindow();
  RecordingWindow(const RecordingWindow&) = delete;
  RecordingWindow& operator=(const RecordingWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  std::vector<Received>& received() { return received_; }
  // The wParam of the last message of this number, or -1 when none came.
  int64_t Last(UINT msg) const;
  bool Got(UINT msg, WPARAM wParam) const;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
  std::vector<Received> received_;
};

// Pumps this thread's messages until the test holds or the time is up.
bool PumpUntil(const std::function<bool()>& test, DWORD timeoutMs = 5000);
void PumpFor(DWORD ms);

// Stores a station list in the settings in its stored form.
void StoreStations(const std::vector<StationInfo>& stations);
void StoreFilters(const std::vector<std::string>& names);

}  // namespace enginetest
