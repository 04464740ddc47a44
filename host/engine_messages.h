// The engine's window protocol: every message number and registered message
// name, named once. Parameters and results are documented beside each group.
#pragma once

#include <cstdint>

namespace engine {

// Class of the engine's main window, looked up whenever a module window is made.
inline constexpr char kWindowClass[] = "TavrinFMPlayerWndClass";

// Registered messages (RegisterWindowMessageA).
inline constexpr char kEngineStartedName[] = "KvEngineStarted";       // posted by a starting engine
inline constexpr char kEqualizerSettingsName[] = "EqualizerSettings";  // posted after an equalizer change

using Msg = uint32_t;

// ---- commands and queries sent or posted to the engine window
inline constexpr Msg kExit = 0x600;            // post
inline constexpr Msg kRegisterWindow = 0x610;  // send: wParam window, lParam 1 register / 0 unregister
inline constexpr Msg kGetFrequency = 0x646;    // send: hertz
inline constexpr Msg kTune = 0x647;            // post: wParam hertz

// Station records: wParam = caller's process id, lParam = address of a
// StationInfo in the caller's process; the engine fills it before returning.
inline constexpr Msg kStationByFrequency = 0x750;  // by the frequency set in it
inline constexpr Msg kStationByPreset = 0x751;     // by the preset number at offset 8; 0 = none
inline constexpr Msg kNextStation = 0x753;
inline constexpr Msg kPreviousStation = 0x754;
inline constexpr Msg kKeyBackspace = 0x755;       // post; also Ctrl+wheel
inline constexpr Msg kKeyShiftBackspace = 0x756;  // post; also Ctrl+wheel
inline constexpr Msg kSelectPreset = 0x757;       // wParam 1-based preset
inline constexpr Msg kNextStationInfo = 0x758;      // send: fill the next station; 0 = none
inline constexpr Msg kPreviousStationInfo = 0x759;  // send: fill the previous station; 0 = none

inline constexpr Msg kGetStereo = 0x644;          // send
inline constexpr Msg kForceStereo = 0x645;        // post: wParam 0 mono, 1 stereo
inline constexpr Msg kGetStereoButton = 0x64D;    // send: state shown by the stereo button (inverted)

// The five sound lines, in the order of their message ranges.
enum class Line : uint32_t { Radio = 0, Record = 1, WaveOut = 2, All = 3, SoundLines = 4 };
inline constexpr uint32_t kLineCount = 5;

inline constexpr Msg kGetMuteFirst = 0x671;    // send: mute state, one per line
inline constexpr Msg kSetMuteFirst = 0x676;    // post: wParam 1 on, 0 off
inline constexpr Msg kGetVolumeFirst = 0x67B;  // send: 0..100 in each 16-bit half
inline constexpr Msg kSetVolumeFirst = 0x680;  // post: the same value in both halves
inline constexpr Msg kGetFmMute = 0x648;
inline constexpr Msg kSetFmMute = 0x649;
inline constexpr Msg kGetFmVolume = 0x64A;  // one plain value
inline constexpr Msg kSetFmVolume = 0x64B;

constexpr Msg GetMute(Line l) { return kGetMuteFirst + static_cast<uint32_t>(l); }
constexpr Msg SetMute(Line l) { return kSetMuteFirst + static_cast<uint32_t>(l); }
constexpr Msg GetVolume(Line l) { return kGetVolumeFirst + static_cast<uint32_t>(l); }
constexpr Msg SetVolume(Line l) { return kSetVolumeFirst + static_cast<uint32_t>(l); }

inline constexpr Msg kSetAdvanced = 0x720;
inline constexpr Msg kGetAdvanced = 0x721;
inline constexpr Msg kSetRecording = 0x722;
inline constexpr Msg kGetRecording = 0x723;
inline constexpr Msg kGetTimeShift = 0x724;     // delay in seconds, 0 live
inline constexpr Msg kSetTimeShift = 0x725;
inline constexpr Msg kGetTimeShiftMax = 0x726;
inline constexpr Msg kGetFreeze = 0x727;
inline constexpr Msg kSetFreeze = 0x728;
inline constexpr Msg kGetRecordPath = 0x729;      // send: 260-byte path into lParam; 0 = none
inline constexpr Msg kGetRecordDuration = 0x72A;  // send: seconds

// ---- notifications to registered module windows (wParam = new value)
inline constexpr Msg kCloseModule = 0xC00;
inline constexpr Msg kSettingsChanged = 0xC30;  // stations or settings; a posted one restarts a module
inline constexpr Msg kNotifyStereo = 0xC40;
inline constexpr Msg kNotifyFrequency = 0xC41;
inline constexpr Msg kNotifyFmMute = 0xC42;
inline constexpr Msg kNotifyFmVolume = 0xC43;
inline constexpr Msg kNotifyStereoButton = 0xC44;
inline constexpr Msg kNotifyMuteFirst = 0xC71;    // same line order as above
inline constexpr Msg kNotifyVolumeFirst = 0xC76;  // the larger half counts
inline constexpr Msg kNotifyAdvanced = 0xD00;
inline constexpr Msg kNotifyRecording = 0xD01;
inline constexpr Msg kNotifyTimeShift = 0xD02;
inline constexpr Msg kNotifyTimeShiftBuffer = 0xD03;
inline constexpr Msg kNotifyFreeze = 0xD04;

constexpr Msg NotifyMute(Line l) { return kNotifyMuteFirst + static_cast<uint32_t>(l); }
constexpr Msg NotifyVolume(Line l) { return kNotifyVolumeFirst + static_cast<uint32_t>(l); }

}  // namespace engine
