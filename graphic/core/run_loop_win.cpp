#include "graphic/core/run_loop_win.h"

#include <windows.h>

#include <optional>
#include <string>

#include "graphic/core/main_window_win.h"
#include "graphic/core/module_names.h"
#include "graphic/core/module_state_win.h"
#include "graphic/core/skin_environment_win.h"
#include "graphic/core/skin_order.h"
#include "graphic/core/skin_reader.h"
#include "host/engine_messages.h"
#include "graphic/core/language_texts.h"
#include "host/kv_lang.h"
#include "host/program_folder_win.h"
#include "host/settings.h"
#include "host/win_handle.h"

namespace vrx {
namespace {

constexpr char kEngineFile[] = "KvEngine.exe";
constexpr std::size_t kShortestSkinName = 4;  // at least one character and an extension

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Another instance runs: bring its window to the front, keeping it on top
// only when its Flags say so.
void BringRunningInstanceForward() {
  HWND running = FindWindowA(Names().windowClass, nullptr);
  if (!running) return;
  SetWindowPos(running, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(running);
  if (!(kv::ReadDword(Names().section, kFlagsKey, kDefaultFlags) & kFlagTopmost))
    SetWindowPos(running, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

// Pumps the thread's messages until WM_QUIT; true when the run ended for a
// rebuild. The module's requests are never dispatched: each asks for the
// quit, so a burst of them queued together ends the run once.
bool PumpMessages(ModuleState& m) {
  MSG msg;
  for (;;) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == -1) return false;
    if (got == 0) {
      const bool rebuild = m.ending == Ending::Rebuild;
      m.ending = Ending::None;
      if (rebuild) KvLangReload();
      return rebuild;
    }
    if (const Ending request = RequestOf(msg.message, false); request != Ending::None) {
      EndRun(request);
      continue;
    }
    const DWORD position = GetMessagePos();
    m.mouse.x = static_cast<short>(LOWORD(position));
    m.mouse.y = static_cast<short>(HIWORD(position));
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

// Releases the skin of a run on every way out of it, exceptions included.
class SkinRunEnd {
 public:
  explicit SkinRunEnd(ModuleState& m) : m_(m) {}
  SkinRunEnd(const SkinRunEnd&) = delete;
  SkinRunEnd& operator=(const SkinRunEnd&) = delete;
  ~SkinRunEnd() {
    m_.skinImage.Release();
    m_.skinPath.clear();
  }

 private:
  ModuleState& m_;
};

// Loads the skin named in the settings, runs its window, releases it all.
// True when the run ended asking for a rebuild.
bool RunOneSkin(ModuleState& m, ControlFactory factory) {
  const SkinRunEnd end(m);
  bool restart = false;
  m.flags = kv::ReadDword(Names().section, kFlagsKey, kDefaultFlags);
  const std::optional<std::string> skinName = kv::ReadString(Names().section, kSkinKey);
  if (!skinName || skinName->size() < kShortestSkinName) {
    MessageBoxA(nullptr, KvLangString(kNoSkin.key, kNoSkin.english), Names().moduleName, MB_OK | MB_ICONEXCLAMATION);
  } else {
    std::string path = kv::ProgramFolder() + kSkinFolder + *skinName;
    if (path.size() < MAX_PATH) {  // the path and its terminator fit in 260 characters
      m.skinImage.Load(path);
      m.skinPath = DescriptionPath(path);
    }
    if (m.skinDc() && !m.skinPath.empty()) {
      WinSkinEnvironment environment;
      MainWindow window;
      if (skin::ReadSkin(ProfileDescription(m.skinPath), environment, m.skin) && window.Create(factory))
        restart = PumpMessages(m);
      // The window and its controls go (here) before the skin they draw from.
    }
  }
  return restart;
}

// Unregisters the window class when the module ends, however it ends.
struct ClassEnd {
  ClassEnd() = default;
  ClassEnd(const ClassEnd&) = delete;
  ClassEnd& operator=(const ClassEnd&) = delete;
  ~ClassEnd() { UnregisterMainWindowClass(); }
};

}  // namespace

Ending RequestOf(UINT message, bool sent) {
  if (message == engine::kCloseModule) return Ending::Close;
  const UINT started = Module().startedMessage;  // 0 (WM_NULL) until registered
  if ((message == engine::kSettingsChanged && !sent) || (started != 0 && message == started)) return Ending::Rebuild;
  return Ending::None;
}

void EndRun(Ending ending) {
  ModuleState& m = Module();
  if (m.ending != Ending::Close) m.ending = ending;
  // Dialog loops end on WM_QUIT and post it again; a menu's loop does not
  // everywhere, so an open menu of this thread is ended as well.
  EndMenu();
  PostQuitMessage(0);
}

void RunModule(ControlFactory factory) {
  ModuleState& m = Module();
  m.ending = Ending::None;
  HANDLE created = CreateMutexA(nullptr, FALSE, Names().mutexName);
  const bool alreadyRunning = GetLastError() == ERROR_ALREADY_EXISTS;
  kv::KernelHandle mutex(created);
  if (!mutex) return;
  if (alreadyRunning) {
    BringRunningInstanceForward();
    return;
  }
  m.startedMessage = RegisterWindowMessageA(engine::kEngineStartedName);
  if (m.startedMessage == 0 || !FileExists(kv::ProgramFolder() + kEngineFile)) return;
  const ClassEnd classEnd;
  while (RunOneSkin(m, factory)) {
  }
}

}  // namespace vrx
