#include "graphic/panels/display_modes.h"

namespace vrx {
namespace {

constexpr uint32_t kNameModes = 6;     // 0 ... 5
constexpr uint32_t kPlainNameModes = 3;  // 0 ... 2 without MoreInfo
constexpr uint32_t kRecModes = 8;      // 0 ... 7
constexpr uint32_t kNameClockOfDay = 3, kNameClockShifted = 4, kNameFreeSpace = 5;
constexpr uint32_t kRecElapsed = 0, kRecFreeSpace = 1, kRecFileSize = 2, kRecClockOfDay = 6, kRecClockShifted = 7;
constexpr uint32_t kRecStationFirst = 3;  // RecMode 3, 4, 5 show as NameMode 0, 1, 2

StationShow StationForm(uint32_t form) {
  switch (form) {
    case 0: return StationShow::kStationFull;
    case 1: return StationShow::kStationName;
    default: return StationShow::kFrequency;
  }
}

}  // namespace

StationModes::StationModes(StationSections sections, uint32_t name, uint32_t rec)
    : sections_(sections), nameMode_(name), recMode_(rec < kRecModes ? rec : 0) {
  if (sections.moreInfo) {
    if (name >= kNameModes) nameMode_ = 0;
    if (name == kNameFreeSpace && sections.recordSection) nameMode_ = 0;
    if ((name == kNameClockOfDay || name == kNameClockShifted) && sections.timeSection) nameMode_ = 0;
  } else if (name >= kPlainNameModes) {
    nameMode_ = 0;
  }
}

bool StationModes::RecordingView(bool recording) const {
  return sections_.moreInfo && !sections_.recordSection && recording;
}

ClockKind StationModes::Clock(bool recording) const {
  if (!sections_.moreInfo) return ClockKind::kNone;
  if (RecordingView(recording)) {
    switch (recMode_) {
      case kRecElapsed: return ClockKind::kElapsed;
      case kRecClockOfDay: return ClockKind::kTimeOfDay;
      case kRecClockShifted: return ClockKind::kShifted;
      default: return ClockKind::kNone;
    }
  }
  if (sections_.timeSection) return ClockKind::kNone;
  if (nameMode_ == kNameClockOfDay) return ClockKind::kTimeOfDay;
  if (nameMode_ == kNameClockShifted) return ClockKind::kShifted;
  return ClockKind::kNone;
}

uint32_t StationModes::RefreshPeriodMs(bool recording) const {
  if (!sections_.moreInfo) return 0;
  if (RecordingView(recording)) {
    switch (recMode_) {
      case kRecElapsed: return kElapsedRefreshMs;
      case kRecFreeSpace:
      case kRecFileSize: return kSlowRefreshMs;
      case kRecClockOfDay:
      case kRecClockShifted: return kClockPollMs;
      default: return 0;
    }
  }
  if (nameMode_ == kNameClockOfDay || nameMode_ == kNameClockShifted) return kClockPollMs;
  if (nameMode_ == kNameFreeSpace) return kSlowRefreshMs;
  return 0;
}

StationContent StationModes::Content(bool recording) const {
  if (RecordingView(recording)) {
    if (recMode_ == kRecFreeSpace) return {StationShow::kFreeSpace, DisplayColour::kRec};
    if (recMode_ == kRecFileSize) return {StationShow::kFileSize, DisplayColour::kRec};
    if (recMode_ >= kRecStationFirst && recMode_ < kRecStationFirst + kPlainNameModes)
      return {StationForm(recMode_ - kRecStationFirst), DisplayColour::kNormal};
    // The clocks (0, 6, 7) draw no text.
    return {StationShow::kEmpty, DisplayColour::kRec};
  }
  if (nameMode_ < kPlainNameModes) return {StationForm(nameMode_), DisplayColour::kNormal};
  if (nameMode_ == kNameFreeSpace) return {StationShow::kFreeSpace, DisplayColour::kFree};
  return {StationShow::kEmpty, DisplayColour::kFree};
}

bool StationModes::Click(bool recording) {
  if (RecordingView(recording)) {
    recMode_ = recMode_ + 1 >= kRecModes ? 0 : recMode_ + 1;
    if ((recMode_ == kRecClockOfDay || recMode_ == kRecClockShifted) && sections_.timeSection) recMode_ = 0;
    return true;
  }
  const uint32_t modes = sections_.moreInfo ? kNameModes : kPlainNameModes;
  nameMode_ = nameMode_ + 1 >= modes ? 0 : nameMode_ + 1;
  if (sections_.moreInfo) {
    if ((nameMode_ == kNameClockOfDay || nameMode_ == kNameClockShifted) && sections_.timeSection)
      nameMode_ = kNameFreeSpace;
    if (nameMode_ == kNameFreeSpace && sections_.recordSection) nameMode_ = 0;
  }
  return false;
}

uint32_t NextTimeMode(uint32_t mode) { return mode < 2 ? mode + 1 : 0; }

RecordShow RecordContent(uint32_t recMode, bool recording) {
  if (!recording || recMode == 1) return RecordShow::kFreeSpace;
  return recMode == 0 ? RecordShow::kElapsed : RecordShow::kFileSize;
}

uint32_t RecordRefreshMs(uint32_t recMode, bool recording) {
  return recording && recMode == 0 ? kElapsedRefreshMs : kSlowRefreshMs;
}

uint32_t NextRecordMode(uint32_t mode) { return mode < 2 ? mode + 1 : 0; }

}  // namespace vrx
