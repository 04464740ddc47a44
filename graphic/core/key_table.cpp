#include "graphic/core/key_table.h"

#include <algorithm>

#include "host/engine_messages.h"

namespace vrx {
namespace {

// Windows virtual-key codes and flags, named here so the core needs no
// Windows header.
enum Key : uint32_t {
  kBack = 0x08, kReturn = 0x0D, kEscape = 0x1B, kSpace = 0x20,
  kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28,
  kA = 0x41, kF = 0x46, kG = 0x47, kH = 0x48, kM = 0x4D, kN = 0x4E, kR = 0x52, kS = 0x53,
  kNumpad1 = 0x61, kNumpad6 = 0x66, kNumpad7 = 0x67, kNumpad8 = 0x68,
  kAdd = 0x6B, kSubtract = 0x6D, kDecimal = 0x6E, kDivide = 0x6F,
  kF1 = 0x70, kF4 = 0x73, kF12 = 0x7B,
  kOemPlus = 0xBB, kOemMinus = 0xBD, kOem2 = 0xBF,
};
constexpr uint32_t kExtendedKey = 1u << 24;  // lParam: the separate cursor keys
constexpr uint32_t kWheelShift = 0x0004;     // MK_SHIFT
constexpr uint32_t kWheelControl = 0x0008;   // MK_CONTROL
constexpr int kWheelNotch = 120;             // WHEEL_DELTA
constexpr uint32_t kTimeShiftStep = 10;      // seconds
constexpr uint32_t kFunctionKeys = kF12 - kF1 + 1;
constexpr int kMaxVolume = 100;

const engine::Msg kMainVolume = engine::GetVolume(engine::Line::SoundLines);
const engine::Msg kSetMainVolume = engine::SetVolume(engine::Line::SoundLines);
const engine::Msg kMainMute = engine::GetMute(engine::Line::SoundLines);
const engine::Msg kSetMainMute = engine::SetMute(engine::Line::SoundLines);

// Further back in time: the delay grows, up to the buffer's length (an
// answer near the top of the range must not wrap round to a small delay).
void ShiftBack(EngineLink& e, uint32_t maximum, uint32_t delay) {
  e.Post(engine::kSetTimeShift, delay >= maximum || maximum - delay <= kTimeShiftStep ? maximum : delay + kTimeShiftStep);
}
// Towards live: the delay shrinks, down to 0.
void ShiftForward(EngineLink& e, uint32_t delay) {
  e.Post(engine::kSetTimeShift, delay > kTimeShiftStep ? delay - kTimeShiftStep : 0);
}

// Posts the opposite of the state that the query answers.
void Toggle(EngineLink& e, engine::Msg query, engine::Msg command) {
  e.Post(command, e.Send(query) == 0 ? 1 : 0);
}

}  // namespace

bool HandleKey(uint32_t vk, uint32_t lParam, KeyModifiers mod, EngineLink& e, ModuleCommands& module) {
  const bool extended = (lParam & kExtendedKey) != 0;
  if (vk == kF4 && mod.alt) {
    e.Post(engine::kExit);
    module.Quit();
    return true;
  }
  if (vk >= kF1 && vk <= kF12) {
    e.Post(engine::kSelectPreset, vk - kF1 + 1 + (mod.shift ? kFunctionKeys : 0));
    return true;
  }
  switch (vk) {
    case kRight:
    case kAdd:
    case kOemPlus:
      if (vk == kRight && !extended) return false;
      if (mod.shift)
        ShiftForward(e, e.Send(engine::kGetTimeShift));
      else
        e.Post(engine::kNextStation);
      return true;
    case kLeft:
    case kSubtract:
    case kOemMinus:
      if (vk == kLeft && !extended) return false;
      if (mod.shift) {
        const uint32_t maximum = e.Send(engine::kGetTimeShiftMax);
        ShiftBack(e, maximum, e.Send(engine::kGetTimeShift));
      } else {
        e.Post(engine::kPreviousStation);
      }
      return true;
    case kUp: {
      if (!extended) return false;
      const uint32_t v = e.Send(kMainVolume) & 0xFFFF;
      e.Post(kSetMainVolume, BothHalves(v + 1));  // the engine holds its own limit
      return true;
    }
    case kDown: {
      if (!extended) return false;
      const uint32_t v = e.Send(kMainVolume) & 0xFFFF;
      if (v != 0) e.Post(kSetMainVolume, BothHalves(v - 1));
      return true;
    }
    case kBack:
      e.Post(mod.shift ? engine::kKeyShiftBackspace : engine::kKeyBackspace);
      return true;
    case kReturn:
    case kR:
      Toggle(e, engine::kGetRecording, engine::kSetRecording);
      return true;
    case kSpace:
    case kM:
      Toggle(e, kMainMute, kSetMainMute);
      return true;
    case kS:
      Toggle(e, engine::kGetStereo, engine::kForceStereo);
      return true;
    case kEscape:
      module.Quit();
      return true;
    case kA:
    case kNumpad1:
      module.LaunchExternalApplication();
      return true;
    case kG:
    case kNumpad7:
      module.OpenAlternativeModule();
      return true;
    case kH:
    case kNumpad8:
      module.OpenHelp(mod.shift);
      return true;
    case kF:
    case kNumpad6:
      module.OpenRecordingFolder();
      return true;
    case kN:
    case kDecimal:
      module.SwitchSkin(mod.shift);
      return true;
    case kDivide:
    case kOem2:
      module.OpenSettings();
      return true;
    default:
      return false;
  }
}

void HandleWheel(uint32_t wParam, bool alt, EngineLink& e) {
  if (!e.Exists()) return;
  const int distance = static_cast<int16_t>(wParam >> 16);
  const bool up = distance > 0;
  if (wParam & kWheelShift) {
    const uint32_t maximum = e.Send(engine::kGetTimeShiftMax);
    const uint32_t delay = e.Send(engine::kGetTimeShift);
    if (up)
      ShiftForward(e, delay);
    else
      ShiftBack(e, maximum, delay);
  } else if (alt) {
    e.Post(up ? engine::kNextStation : engine::kPreviousStation);
  } else if (wParam & kWheelControl) {
    e.Post(up ? engine::kKeyShiftBackspace : engine::kKeyBackspace);
  } else {
    int v = static_cast<int>(e.Send(kMainVolume) & 0xFFFF) + distance / kWheelNotch;
    v = up ? std::min(v, kMaxVolume) : std::max(v, 0);
    e.Post(kSetMainVolume, BothHalves(static_cast<uint32_t>(v)));
  }
}

}  // namespace vrx
