// KvEngine.exe: the player engine. One runs at a time; the optional first
// argument (or KvEngine/SourceFile) names a WAV file that every station
// plays instead of its generated programme.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "host/engine_messages.h"
#include "host/program_folder_win.h"
#include "host/settings.h"
#include "host/whole_file_win.h"
#include "player/engine/engine_window_win.h"

namespace {

constexpr char kInstanceMutex[] = "TavrinFMPlayerEngine";
// A WAV file larger than this is not loaded whole into memory.
constexpr DWORD kMaxSourceBytes = 256u << 20;

std::optional<engine::WavAudio> LoadProgramme(const std::string& path) {
  const auto bytes = kv::ReadWholeFile(path, kMaxSourceBytes);
  if (!bytes) return std::nullopt;
  engine::WavAudio audio;
  if (engine::ParseWav(reinterpret_cast<const uint8_t*>(bytes->data()), bytes->size(), audio) != engine::WavError::None)
    return std::nullopt;
  return audio;
}

std::string SourceArgument() {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::string source;
  if (argv && argc >= 2) {
    char path[MAX_PATH] = {};
    if (WideCharToMultiByte(CP_ACP, 0, argv[1], -1, path, MAX_PATH, nullptr, nullptr) > 0) source = path;
  }
  LocalFree(argv);
  if (source.empty()) source = kv::ReadString("KvEngine", "SourceFile").value_or("");
  return source;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  kv::KernelHandle mutex(CreateMutexA(nullptr, FALSE, kInstanceMutex));
  if (!mutex) return 1;
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    if (HWND running = FindWindowA(engine::kWindowClass, nullptr)) SetForegroundWindow(running);
    return 1;
  }

  engine::EngineOptions options;
  options.folder = kv::ProgramFolder();
  const std::string source = SourceArgument();
  if (!source.empty()) options.programme = LoadProgramme(source);

  engine::EngineWindow window(std::move(options));
  if (!window.Create(instance)) return 2;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
