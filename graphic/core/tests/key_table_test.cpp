#include "graphic/core/key_table.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "host/engine_messages.h"

namespace vrx {
namespace {

struct Call {
  char kind;  // 'S' sent, 'P' posted
  uint32_t message;
  uint32_t wParam;
  bool operator==(const Call&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Call& c) {
  return os << c.kind << std::hex << " 0x" << c.message << " w=0x" << c.wParam << std::dec;
}

class RecordingEngine : public EngineLink {
 public:
  bool exists = true;
  std::map<uint32_t, uint32_t> answers;
  std::vector<Call> calls;
  bool Exists() const override { return exists; }
  uint32_t Send(uint32_t m, uint32_t w, uint32_t) override {
    calls.push_back({'S', m, w});
    return exists ? answers[m] : 0;
  }
  void Post(uint32_t m, uint32_t w, uint32_t) override {
    if (exists) calls.push_back({'P', m, w});
  }
};

class RecordingModule : public ModuleCommands {
 public:
  std::string done;
  void Quit() override { done += "quit "; }
  void OpenSettings() override { done += "settings "; }
  void OpenAlternativeModule() override { done += "altgui "; }
  void LaunchExternalApplication() override { done += "extapp "; }
  void OpenHelp(bool whole) override { done += whole ? "help:content " : "help:gui "; }
  void OpenRecordingFolder() override { done += "folder "; }
  void SwitchSkin(bool backward) override { done += backward ? "skin:back " : "skin:fwd "; }
};

constexpr uint32_t kExtended = 1u << 24;
const uint32_t kVolume = engine::GetVolume(engine::Line::SoundLines);
const uint32_t kSetVolume = engine::SetVolume(engine::Line::SoundLines);

struct KeyRow {
  const char* what;
  uint32_t vk;
  uint32_t lParam;
  KeyModifiers mods;
  std::map<uint32_t, uint32_t> answers;
  std::vector<Call> engine;
  std::string module;
  bool handled = true;
};

TEST(KeyTable, EveryRow) {
  const std::vector<KeyRow> rows = {
      {"F3 selects preset 3", 0x72, 0, {}, {}, {{'P', engine::kSelectPreset, 3}}, ""},
      {"Shift+F3 selects preset 15", 0x72, 0, {true, false}, {}, {{'P', engine::kSelectPreset, 15}}, ""},
      {"F4 without Alt is preset 4", 0x73, 0, {}, {}, {{'P', engine::kSelectPreset, 4}}, ""},
      {"Alt+F4 exits the player", 0x73, 0, {false, true}, {}, {{'P', engine::kExit, 0}}, "quit "},
      {"Shift+F12 selects preset 24", 0x7B, 0, {true, false}, {}, {{'P', engine::kSelectPreset, 24}}, ""},
      {"extended right: next", 0x27, kExtended, {}, {}, {{'P', engine::kNextStation, 0}}, ""},
      {"keypad right without NumLock does nothing", 0x27, 0, {}, {}, {}, "", false},
      {"keypad left without NumLock does nothing", 0x25, 0, {}, {}, {}, "", false},
      {"keypad up without NumLock does nothing", 0x26, 0, {}, {{kVolume, 5}}, {}, "", false},
      {"keypad down without NumLock does nothing", 0x28, 0, {}, {{kVolume, 5}}, {}, "", false},
      {"plus: next", 0xBB, 0, {}, {}, {{'P', engine::kNextStation, 0}}, ""},
      {"keypad minus: previous", 0x6D, 0, {}, {}, {{'P', engine::kPreviousStation, 0}}, ""},
      {"Shift+right: 10 s towards live", 0x6B, 0, {true, false}, {{engine::kGetTimeShift, 25}},
       {{'S', engine::kGetTimeShift, 0}, {'P', engine::kSetTimeShift, 15}}, ""},
      {"Shift+right at 10 s: live", 0x6B, 0, {true, false}, {{engine::kGetTimeShift, 10}},
       {{'S', engine::kGetTimeShift, 0}, {'P', engine::kSetTimeShift, 0}}, ""},
      {"Shift+left: 10 s back, held at the buffer", 0xBD, 0, {true, false},
       {{engine::kGetTimeShift, 115}, {engine::kGetTimeShiftMax, 120}},
       {{'S', engine::kGetTimeShiftMax, 0}, {'S', engine::kGetTimeShift, 0}, {'P', engine::kSetTimeShift, 120}}, ""},
      {"Shift+left near the top of the range: held at the maximum, no wrap", 0xBD, 0, {true, false},
       {{engine::kGetTimeShift, 0xFFFFFFF8}, {engine::kGetTimeShiftMax, 0xFFFFFFFF}},
       {{'S', engine::kGetTimeShiftMax, 0}, {'S', engine::kGetTimeShift, 0}, {'P', engine::kSetTimeShift, 0xFFFFFFFF}},
       ""},
      {"up at 100 posts 101", 0x26, kExtended, {}, {{kVolume, 0x00640064}},
       {{'S', kVolume, 0}, {'P', kSetVolume, 0x00650065}}, ""},
      {"down at 0 posts nothing", 0x28, kExtended, {}, {{kVolume, 0x00500000}}, {{'S', kVolume, 0}}, ""},
      {"down takes the low half", 0x28, kExtended, {}, {{kVolume, 0x00500030}},
       {{'S', kVolume, 0}, {'P', kSetVolume, 0x002F002F}}, ""},
      {"backspace", 0x08, 0, {}, {}, {{'P', engine::kKeyBackspace, 0}}, ""},
      {"Shift+backspace", 0x08, 0, {true, false}, {}, {{'P', engine::kKeyShiftBackspace, 0}}, ""},
      {"R starts recording", 0x52, 0, {}, {}, {{'S', engine::kGetRecording, 0}, {'P', engine::kSetRecording, 1}}, ""},
      {"Return stops recording", 0x0D, 0, {}, {{engine::kGetRecording, 1}},
       {{'S', engine::kGetRecording, 0}, {'P', engine::kSetRecording, 0}}, ""},
      {"space mutes", 0x20, 0, {}, {},
       {{'S', engine::GetMute(engine::Line::SoundLines), 0}, {'P', engine::SetMute(engine::Line::SoundLines), 1}},
       ""},
      {"M unmutes", 0x4D, 0, {}, {{engine::GetMute(engine::Line::SoundLines), 1}},
       {{'S', engine::GetMute(engine::Line::SoundLines), 0}, {'P', engine::SetMute(engine::Line::SoundLines), 0}},
       ""},
      {"S forces mono while stereo", 0x53, 0, {}, {{engine::kGetStereo, 1}},
       {{'S', engine::kGetStereo, 0}, {'P', engine::kForceStereo, 0}}, ""},
      {"Escape", 0x1B, 0, {}, {}, {}, "quit "},
      {"A", 0x41, 0, {}, {}, {}, "extapp "},
      {"keypad 1", 0x61, 0, {}, {}, {}, "extapp "},
      {"G", 0x47, 0, {}, {}, {}, "altgui "},
      {"keypad 7", 0x67, 0, {}, {}, {}, "altgui "},
      {"H", 0x48, 0, {}, {}, {}, "help:gui "},
      {"Shift+keypad 8", 0x68, 0, {true, false}, {}, {}, "help:content "},
      {"F", 0x46, 0, {}, {}, {}, "folder "},
      {"keypad 6", 0x66, 0, {}, {}, {}, "folder "},
      {"N", 0x4E, 0, {}, {}, {}, "skin:fwd "},
      {"Shift+keypad point", 0x6E, 0, {true, false}, {}, {}, "skin:back "},
      {"keypad divide", 0x6F, 0, {}, {}, {}, "settings "},
      {"slash", 0xBF, 0, {}, {}, {}, "settings "},
      {"Q is not a key of the table", 0x51, 0, {}, {}, {}, "", false},
      {"F13 is not a key of the table", 0x7C, 0, {}, {}, {}, "", false},
  };
  for (const KeyRow& row : rows) {
    SCOPED_TRACE(row.what);
    RecordingEngine e;
    e.answers = row.answers;
    RecordingModule m;
    EXPECT_EQ(HandleKey(row.vk, row.lParam, row.mods, e, m), row.handled);
    EXPECT_EQ(e.calls, row.engine);
    EXPECT_EQ(m.done, row.module);
  }
}

uint32_t Wheel(int distance, uint32_t keys = 0) {
  return (static_cast<uint32_t>(static_cast<uint16_t>(static_cast<int16_t>(distance))) << 16) | keys;
}
constexpr uint32_t kShift = 0x4, kControl = 0x8;

struct WheelRow {
  const char* what;
  uint32_t wParam;
  bool alt;
  std::map<uint32_t, uint32_t> answers;
  std::vector<Call> engine;
};

TEST(WheelTable, EveryRow) {
  const std::vector<WheelRow> rows = {
      {"a notch up adds 1", Wheel(120), false, {{kVolume, 40}}, {{'S', kVolume, 0}, {'P', kSetVolume, 0x00290029}}},
      {"a notch down takes 1", Wheel(-120), false, {{kVolume, 40}}, {{'S', kVolume, 0}, {'P', kSetVolume, 0x00270027}}},
      {"a fine step of 60 changes nothing", Wheel(60), false, {{kVolume, 40}},
       {{'S', kVolume, 0}, {'P', kSetVolume, 0x00280028}}},
      {"never past 100", Wheel(360), false, {{kVolume, 99}}, {{'S', kVolume, 0}, {'P', kSetVolume, 0x00640064}}},
      {"never under 0", Wheel(-480), false, {{kVolume, 0x00500002}}, {{'S', kVolume, 0}, {'P', kSetVolume, 0}}},
      {"distance 0 counts as down", Wheel(0), false, {{kVolume, 7}}, {{'S', kVolume, 0}, {'P', kSetVolume, 0x00070007}}},
      {"Shift up: towards live", Wheel(120, kShift), false, {{engine::kGetTimeShift, 30}, {engine::kGetTimeShiftMax, 120}},
       {{'S', engine::kGetTimeShiftMax, 0}, {'S', engine::kGetTimeShift, 0}, {'P', engine::kSetTimeShift, 20}}},
      {"Shift down: back, held at the buffer", Wheel(-120, kShift), false,
       {{engine::kGetTimeShift, 118}, {engine::kGetTimeShiftMax, 120}},
       {{'S', engine::kGetTimeShiftMax, 0}, {'S', engine::kGetTimeShift, 0}, {'P', engine::kSetTimeShift, 120}}},
      {"Shift before Alt", Wheel(-120, kShift | kControl), true, {},
       {{'S', engine::kGetTimeShiftMax, 0}, {'S', engine::kGetTimeShift, 0}, {'P', engine::kSetTimeShift, 0}}},
      {"Alt before Ctrl", Wheel(120, kControl), true, {}, {{'P', engine::kNextStation, 0}}},
      {"Alt down", Wheel(-120), true, {}, {{'P', engine::kPreviousStation, 0}}},
      {"Ctrl up", Wheel(120, kControl), false, {}, {{'P', engine::kKeyShiftBackspace, 0}}},
      {"Ctrl down", Wheel(-120, kControl), false, {}, {{'P', engine::kKeyBackspace, 0}}},
  };
  for (const WheelRow& row : rows) {
    SCOPED_TRACE(row.what);
    RecordingEngine e;
    e.answers = row.answers;
    HandleWheel(row.wParam, row.alt, e);
    EXPECT_EQ(e.calls, row.engine);
  }
}

TEST(WheelTable, NothingWithoutAnEngine) {
  RecordingEngine e;
  e.exists = false;
  HandleWheel(Wheel(120), false, e);
  EXPECT_TRUE(e.calls.empty());
}

}  // namespace
}  // namespace vrx
