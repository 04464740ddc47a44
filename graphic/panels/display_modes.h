// The modes of the information displays: what each shows, which clock it
// draws, how often it refreshes and how a click moves it on. Portable; the
// displays' Win32 halves ask these and only draw.
#pragma once

#include <cstdint>

namespace vrx {

// Which text colour of the skin a display uses.
enum class DisplayColour { kNormal, kRec, kReal, kShift, kFree };

// A clock the station or time display draws in digit cells.
enum class ClockKind { kNone, kElapsed, kTimeOfDay, kShifted };

// What the station display shows as text.
enum class StationShow {
  kStationFull,  // frequency, " - " and name
  kStationName,  // name, the frequency when there is none
  kFrequency,
  kFreeSpace,
  kFileSize,
  kEmpty,
};

struct StationContent {
  StationShow show;
  DisplayColour colour;
};

// The skin's other information sections change what the station display
// offers: clocks only without a time display, free space without a record
// display.
struct StationSections {
  bool moreInfo = false;
  bool timeSection = false;
  bool recordSection = false;
};

inline constexpr uint32_t kClockPollMs = 250;     // clocks repaint when their second changes
inline constexpr uint32_t kElapsedRefreshMs = 500;
inline constexpr uint32_t kSlowRefreshMs = 10000;  // disk space and file size

// NameMode and RecMode of the station display.
class StationModes {
 public:
  // The stored values as read: out-of-range or unavailable modes read 0.
  StationModes(StationSections sections, uint32_t storedNameMode, uint32_t storedRecMode);

  uint32_t nameMode() const { return nameMode_; }
  uint32_t recMode() const { return recMode_; }

  // With MoreInfo, no record display and the engine recording.
  bool RecordingView(bool recording) const;
  ClockKind Clock(bool recording) const;
  // The refresh timer's period; 0 stops it.
  uint32_t RefreshPeriodMs(bool recording) const;
  // The text outside a clock (a clock shows no text).
  StationContent Content(bool recording) const;
  // Moves the mode of the view in force on; true when RecMode changed,
  // false when NameMode did.
  bool Click(bool recording);

 private:
  StationSections sections_;
  uint32_t nameMode_;
  uint32_t recMode_;
};

// TimeMode of the time display: 0 both clocks, 1 time of day, 2 shifted.
uint32_t NextTimeMode(uint32_t mode);

// RecMode of the record display while recording: 0 elapsed time, 1 free
// space, anything else the file size.
enum class RecordShow { kElapsed, kFreeSpace, kFileSize };
RecordShow RecordContent(uint32_t recMode, bool recording);
uint32_t RecordRefreshMs(uint32_t recMode, bool recording);
uint32_t NextRecordMode(uint32_t mode);

}  // namespace vrx
