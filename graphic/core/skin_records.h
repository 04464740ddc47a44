// What one skin description says: the module-wide values of [General] and
// one record per control slot. The reader fills these once per skin run; the
// main window, the control factory and every control read them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace skin {

// A Windows colour value: red + green * 256 + blue * 65536.
using Color = uint32_t;

// The 78 control slots. The slot number orders creation, painting, message
// handling and tooltips.
enum Slot : int {
  kBtnExit = 0,
  kBtnCloseGUI,
  kBtnSetup,
  kBtnMinimize,
  kBtnTopmost,
  kBtnGUI,
  kBtnApp,
  kBtnGUIApp,
  kBtnHelp,
  kBtnSetStereo,
  kBtnRecord,
  kBtnFreeze,
  kBtnEngage,
  kBtnMuteFM,
  kBtnMuteRad,
  kBtnMuteAll,
  kBtnMuteRec,
  kBtnMute,
  kBtnMuteWav,
  kBtnPrevious,
  kBtnNext,
  kBtnEqualizer,
  kBtnStation1 = 22,  // ... kBtnStation1 + 11
  kSldVolume = 34,
  kSldVolumeRec,
  kSldVolumeWav,
  kSldVolumeFM,
  kSldVolumeRad,
  kSldVolumeAll,
  kSldTimeShift = 40,
  kSldBand01 = 41,  // ... kSldBand01 + 30
  kList = 72,
  kInfoStation = 73,
  kInfoTime = 74,
  kInfoRecord = 75,
  kIndicatorStereo = 76,
  kSpectrum = 77,
  kSlotCount = 78,
};

inline constexpr int kButtonSlots = kBtnStation1;         // slots 0..21: plain buttons
inline constexpr int kStationButtons = 12;                // slots 22..33
inline constexpr int kSliderSlots = kList - kSldVolume;   // slots 34..71
inline constexpr int kBandSliders = kList - kSldBand01;   // 31
inline constexpr int kSpectrumMaxBands = 60;

// Section name of every slot ("BtnExit", ..., "SldBand31", ..., "Spectrum").
const char* SectionName(int slot);

// Flags of the control record.
inline constexpr uint32_t kFlagMask = 1;       // MaskY >= 0
inline constexpr uint32_t kFlagAltImage = 2;   // ControlAltY >= 0
inline constexpr uint32_t kFlagPressRelease = 4;  // OneTouch is 0
inline constexpr uint32_t kFlagLabel = 8;      // labelled record with Text set

// Flags of the slider record.
inline constexpr uint32_t kSliderThumbMask = 1;  // MaskY >= 0
inline constexpr uint32_t kSliderPathMask = 2;   // MaskPathY >= 0

// Flags of the list record.
inline constexpr uint32_t kListUpMask = 1;
inline constexpr uint32_t kListDownMask = 2;
inline constexpr uint32_t kListUpAlt = 4;
inline constexpr uint32_t kListDownAlt = 8;

// Flags of the spectrum record.
inline constexpr uint32_t kSpectrumPeakMask = 1;
inline constexpr uint32_t kSpectrumPeakBg = 2;

// Pitch part of the pitch-and-family byte.
inline constexpr uint8_t kFixedPitch = 1;
inline constexpr uint8_t kVariablePitch = 2;

inline constexpr std::size_t kFaceNameChars = 31;

// A font as the skin describes it.
struct Font {
  int32_t size = 0;      // character height in pixels
  int32_t weight = 0;    // 0 default, 400 normal, 700 bold
  uint8_t pitchAndFamily = kVariablePitch;
  char face[kFaceNameChars + 1] = {};  // empty: no face name
};

struct General {
  int32_t width = 0;
  int32_t height = 0;
  bool hasTransparentColor = false;
  Color transparentColor = 0;
  int32_t minVisibleRight = 10;
  int32_t minVisibleLeft = 10;
  int32_t minVisibleTop = 10;
  int32_t minVisibleBottom = 10;
  int32_t hidingSpeedDX = 10;
  int32_t hidingSpeedDY = 10;
  int32_t debug = 0;
};

// Buttons, the stereo indicator, and the first part of the labelled, slider
// and spectrum records. Window coordinates are relative to the main window,
// image coordinates address the skin bitmap.
struct SkinControlRecord {
  uint32_t flags = 0;
  int32_t windowX = -1, windowY = -1;
  int32_t controlX = -1, controlY = -1;
  int32_t width = -1, height = -1;
  int32_t altX = -1, altY = -1;
  int32_t maskX = -1, maskY = -1;
};

// Station buttons: a button with an optional label (flag kFlagLabel).
struct SkinLabelRecord {
  SkinControlRecord control;
  Color color = 0;
  Color pressedColor = 0;
  int32_t angle = 0;  // tenths of a degree, counter-clockwise
  Font font;
};

struct SkinSliderRecord {
  uint32_t flags = 0;
  int32_t windowX = -1, windowY = -1;          // path origin
  int32_t pathWidth = -1, pathHeight = -1;     // signed: negative runs left or up
  int32_t pathMaskX = -1, pathMaskY = -1;
  int32_t thumbX = -1, thumbY = -1;            // thumb image in the bitmap
  int32_t thumbWidth = -1, thumbHeight = -1;
  int32_t maskX = -1, maskY = -1;              // thumb mask
  int32_t snapSize = 0;
};

// One of the list's two scroll areas.
struct SkinListArea {
  int32_t windowX = -1, windowY = -1;
  int32_t width = -1, height = -1;
  int32_t maskX = -1, maskY = -1;
  int32_t altX = -1, altY = -1;
};

struct SkinListRecord {
  uint32_t flags = 0;
  SkinListArea up, down;
  int32_t listX = -1, listY = -1;
  int32_t listWidth = -1, listHeight = -1;
  int32_t offsetCX = 0, offsetCY = 0;
  Color color = 0;
  Font font;
  Color activeColor = 0;
  Font activeFont;
};

struct SkinInfoRecord {
  int32_t windowX = -1, windowY = -1;
  int32_t width = -1, height = -1;
  bool moreInfo = false;
  Color color = 0, colorRec = 0, colorReal = 0, colorShift = 0, colorFree = 0;
  Font font;
};

struct SkinTimeRecord {
  int32_t windowX = -1, windowY = -1;
  int32_t width = -1, height = -1;
  Color colorReal = 0, colorShift = 0, colorShiftGray = 0;
  Font font;
};

struct SkinRecordingRecord {
  int32_t windowX = -1, windowY = -1;
  int32_t width = -1, height = -1;
  Color color = 0, colorRec = 0;
  Font font;
};

struct SkinSpectrumRecord {
  int32_t windowX = -1, windowY = -1;
  int32_t controlX = -1, controlY = -1;
  int32_t width = -1, height = -1;
  int32_t peakHeight = -1;
  uint32_t flags = 0;
  int32_t spTop = 0, spBottom = 0, spLeft = 0, spRight = 0;
  int32_t waTop = 0, waBottom = 0, waLeft = 0, waRight = 0;
  int32_t bands = -1;
};

// The result of reading one description.
struct SkinDescription {
  General general;
  std::array<bool, kSlotCount> present{};
  std::array<SkinControlRecord, kButtonSlots> buttons{};     // slots 0..21
  std::array<SkinLabelRecord, kStationButtons> stations{};   // slots 22..33
  std::array<SkinSliderRecord, kSliderSlots> sliders{};      // slots 34..71
  SkinListRecord list;
  SkinInfoRecord station;
  SkinTimeRecord time;
  SkinRecordingRecord recording;
  SkinControlRecord stereo;
  SkinSpectrumRecord spectrum;

  // Records by slot number; the slot must be of the record's kind.
  const SkinControlRecord& Button(int slot) const { return slot == kIndicatorStereo ? stereo : buttons.at(slot); }
  const SkinLabelRecord& Station(int slot) const { return stations.at(slot - kBtnStation1); }
  const SkinSliderRecord& Slider(int slot) const { return sliders.at(slot - kSldVolume); }

  // Present band sections: always SldBand01 .. SldBandN.
  int BandCount() const {
    int n = 0;
    while (n < kBandSliders && present[kSldBand01 + n]) ++n;
    return n;
  }
  int StationButtonCount() const {
    int n = 0;
    for (int i = 0; i < kStationButtons; ++i) n += present[kBtnStation1 + i] ? 1 : 0;
    return n;
  }
};

}  // namespace skin
