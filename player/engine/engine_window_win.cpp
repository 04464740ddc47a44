#include "player/engine/engine_window_win.h"

#include <algorithm>

#include "host/engine_messages.h"
#include "host/kv_ini.h"
#include "host/settings.h"
#include "player/engine/caller_memory_win.h"
#include "player/engine/plugin_list.h"
#include "player/engine/station_list.h"

namespace engine {
namespace {

constexpr UINT_PTR kSettingsTimer = 1;
constexpr UINT kSettingsPollMs = 1000;

constexpr char kEngineSection[] = "KvEngine";
constexpr char kFrequencyKey[] = "Frequency";
constexpr char kTimeShiftKey[] = "TimeShiftBuffer";
constexpr uint32_t kMinTimeShift = 10;
constexpr uint32_t kMaxTimeShift = 600;
constexpr uint32_t kDefaultFrequency = 100'000'000;

// Main window classes of the graphic modules that a starting engine tells.
constexpr const char* kModuleClasses[] = {"QorvVarix", "QorvVarixB"};

std::vector<uint8_t> Stored(const char* section, const char* key) {
  return kv::ReadBinary(section, key).value_or(std::vector<uint8_t>{});
}

BOOL CALLBACK TellModule(HWND w, LPARAM started) {
  char name[64] = {};
  GetClassNameA(w, name, sizeof name);
  for (const char* module : kModuleClasses)
    if (lstrcmpA(name, module) == 0) PostMessageA(w, static_cast<UINT>(started), 0, 0);
  return TRUE;
}

StationNavigator StationsOf(const std::vector<uint8_t>& stored) {
  return StationNavigator(ParseStationList(stored.data(), stored.size()));
}

}  // namespace

EngineWindow::EngineWindow(EngineOptions options) : options_(std::move(options)) {}

EngineWindow::~EngineWindow() {
  sound_.reset();  // before the recorder it writes to
  recorder_.Stop();
  if (hwnd_) DestroyWindow(hwnd_);
}

bool EngineWindow::Create(HINSTANCE instance) {
  equalizerSettings_ = RegisterWindowMessageA(kEqualizerSettingsName);
  engineStarted_ = RegisterWindowMessageA(kEngineStartedName);

  storedStations_ = Stored("KvStations", "Stations");
  storedFilters_ = Stored("KvFilters", "Filters");
  StationNavigator stations = StationsOf(storedStations_);
  uint32_t frequency = kDefaultFrequency;
  if (!stations.stations().empty()) frequency = stations.stations().front().frequency;
  frequency = kv::ReadDword(kEngineSection, kFrequencyKey, frequency);
  const uint32_t timeShift =
      std::clamp(kv::ReadDword(kEngineSection, kTimeShiftKey, kDefaultTimeShiftSeconds), kMinTimeShift, kMaxTimeShift);
  state_ = std::make_unique<EngineState>(std::move(stations), frequency, timeShift);
  savedFrequency_ = state_->frequency();
  protocol_ = std::make_unique<Protocol>(*state_, *this, equalizerSettings_);

  WNDCLASSA wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.lpszClassName = kWindowClass;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  if (!RegisterClassA(&wc)) return false;
  hwnd_ = CreateWindowExA(0, kWindowClass, "Tavrin FM Player", WS_OVERLAPPED, CW_USEDEFAULT, CW_USEDEFAULT, 200, 100,
                          nullptr, nullptr, instance, this);
  if (!hwnd_) return false;
  SetTimer(hwnd_, kSettingsTimer, kSettingsPollMs, nullptr);

  SoundSetup setup;
  setup.window = hwnd_;
  setup.folder = options_.folder;
  setup.plugins = PluginNames(storedFilters_);
  setup.framesPerBlock = BlockFrames(kv::ReadDword("KvFilters", "BlockSize", 0));
  setup.timeShiftSeconds = timeShift;
  setup.programme = std::move(options_.programme);
  sound_ = std::make_unique<SoundThread>(std::move(setup), state_->controls(), recorder_);
  AnnounceStart();
  return true;
}

void EngineWindow::AnnounceStart() { EnumWindows(TellModule, static_cast<LPARAM>(engineStarted_)); }

LRESULT CALLBACK EngineWindow::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<EngineWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->hwnd_ = hwnd;
  }
  auto* self = reinterpret_cast<EngineWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  return self ? self->Handle(msg, wParam, lParam) : DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT EngineWindow::Handle(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (const auto answer = protocol_->Handle(msg, wParam, static_cast<uintptr_t>(lParam))) {
    AfterChange();
    return static_cast<LRESULT>(*answer);
  }
  switch (msg) {
    case kPlayedToMessage:
      if (state_->freeze()) {
        protocol_->Send(state_->TimeShiftPlayedTo(static_cast<uint32_t>(wParam)));
        AfterChange();
      }
      return 0;
    case WM_TIMER:
      if (wParam == kSettingsTimer) CheckSettings();
      return 0;
    case WM_CLOSE:
      Exit();
      return 0;
    case WM_DESTROY:
      KillTimer(hwnd_, kSettingsTimer);
      SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(hwnd_, msg, wParam, lParam);
  }
}

void EngineWindow::AfterChange() {
  if (sound_) sound_->SetControls(state_->controls());
  if (state_->frequency() != savedFrequency_) {
    savedFrequency_ = state_->frequency();
    KvIniSetDword(kEngineSection, kFrequencyKey, savedFrequency_);
  }
}

void EngineWindow::CheckSettings() {
  bool changed = false;
  std::vector<uint8_t> stations = Stored("KvStations", "Stations");
  if (stations != storedStations_) {
    storedStations_ = std::move(stations);
    protocol_->Send(state_->SetStations(StationsOf(storedStations_)));
    changed = true;
  }
  std::vector<uint8_t> filters = Stored("KvFilters", "Filters");
  if (filters != storedFilters_) {
    storedFilters_ = std::move(filters);
    sound_->SetPlugins(PluginNames(storedFilters_));
    changed = true;
  }
  if (changed) {
    AfterChange();
    modules_.Post(kSettingsChanged, 0);
  }
}

bool EngineWindow::ReadCaller(uint32_t processId, uintptr_t address, void* out, size_t size) {
  return ReadCallerMemory(processId, address, out, size);
}

bool EngineWindow::WriteCaller(uint32_t processId, uintptr_t address, const void* data, size_t size) {
  return WriteCallerMemory(processId, address, data, size);
}

bool EngineWindow::CallerWaits() {
  // Sent with SendMessage (or its time-out form) and not yet answered; a
  // notify or callback send does not wait.
  return (InSendMessageEx(nullptr) & (ISMEX_SEND | ISMEX_NOTIFY | ISMEX_CALLBACK | ISMEX_REPLIED)) == ISMEX_SEND;
}

void EngineWindow::Notify(const Notification& n) { modules_.Post(n.msg, n.value); }

bool EngineWindow::Register(uintptr_t window, bool on) {
  const HWND w = reinterpret_cast<HWND>(window);
  if (!on) {
    modules_.Unregister(w);
    return true;
  }
  return modules_.Register(w);
}

void EngineWindow::Exit() {
  modules_.Post(kCloseModule, 0);
  sound_.reset();
  if (state_->recording()) StopRecording();
  if (hwnd_) DestroyWindow(hwnd_);
}

bool EngineWindow::StartRecording() { return recorder_.Start(); }
void EngineWindow::StopRecording() { recorder_.Stop(); }
std::string EngineWindow::RecordPath() { return recorder_.Path(); }
uint32_t EngineWindow::RecordSeconds() { return recorder_.Seconds(); }

}  // namespace engine
