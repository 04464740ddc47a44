#include "graphic/panels/display_queries_win.h"

#include <windows.h>

#include <optional>

#include "graphic/core/number_text.h"
#include "graphic/panels/display_text.h"
#include "host/engine_messages.h"
#include "host/win_handle.h"

namespace vrx {
namespace {

constexpr size_t kPathBytes = 260;
constexpr char kSizePrefix[] = "+";

// The path the engine writes into this process while the send waits.
std::optional<std::string> RecordingPath(EngineWindowLink& engine) {
  char path[kPathBytes] = {};
  const uint32_t written = engine.Send(engine::kGetRecordPath, GetCurrentProcessId(),
                                       static_cast<uint32_t>(reinterpret_cast<uintptr_t>(path)));
  path[kPathBytes - 1] = '\0';  // the engine's text is not trusted to end in the buffer
  if (written == 0) return std::nullopt;
  return std::string(path);
}

}  // namespace

bool Recording(EngineWindowLink& engine) { return engine.Send(engine::kGetRecording) != 0; }

std::string ElapsedText(EngineWindowLink& engine) { return ClockText(engine.Send(engine::kGetRecordDuration)); }

std::string FreeSpaceText(EngineWindowLink& engine) {
  const auto path = RecordingPath(engine);
  if (!path) return {};
  const std::string folder = FreeSpaceFolder(*path);
  ULARGE_INTEGER available{};
  if (folder.empty() || !GetDiskFreeSpaceExA(folder.c_str(), &available, nullptr, nullptr)) return {};
  return SizeText(available.QuadPart);
}

std::string RecordedSizeText(EngineWindowLink& engine) {
  LARGE_INTEGER size{};
  if (const auto path = RecordingPath(engine)) {
    const kv::KernelHandle file(CreateFileA(path->c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file || !GetFileSizeEx(file.get(), &size)) size.QuadPart = 0;
  }
  std::string text = kSizePrefix;
  text += SizeText(static_cast<uint64_t>(size.QuadPart));
  return text;
}

uint32_t LocalSecondOfDay() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return SecondOfDay(now.wHour, now.wMinute, now.wSecond);
}

}  // namespace vrx
