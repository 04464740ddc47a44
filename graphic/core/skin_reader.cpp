#include "graphic/core/skin_reader.h"

#include <cstdint>
#include <cstring>
#include <new>
#include <string>

#include "graphic/core/skin_values.h"

namespace skin {
namespace {

constexpr const char* kSectionNames[kSlotCount] = {
    "BtnExit",      "BtnCloseGUI",  "BtnSetup",      "BtnMinimize",   "BtnTopmost",   "BtnGUI",
    "BtnApp",       "BtnGUIApp",    "BtnHelp",       "BtnSetStereo",  "BtnRecord",    "BtnFreeze",
    "BtnEngage",    "BtnMuteFM",    "BtnMuteRad",    "BtnMuteAll",    "BtnMuteRec",   "BtnMute",
    "BtnMuteWav",   "BtnPrevious",  "BtnNext",       "BtnEqualizer",  "BtnStation1",  "BtnStation2",
    "BtnStation3",  "BtnStation4",  "BtnStation5",   "BtnStation6",   "BtnStation7",  "BtnStation8",
    "BtnStation9",  "BtnStation10", "BtnStation11",  "BtnStation12",  "SldVolume",    "SldVolumeRec",
    "SldVolumeWav", "SldVolumeFM",  "SldVolumeRad",  "SldVolumeAll",  "SldTimeShift", "SldBand01",
    "SldBand02",    "SldBand03",    "SldBand04",     "SldBand05",     "SldBand06",    "SldBand07",
    "SldBand08",    "SldBand09",    "SldBand10",     "SldBand11",     "SldBand12",    "SldBand13",
    "SldBand14",    "SldBand15",    "SldBand16",     "SldBand17",     "SldBand18",    "SldBand19",
    "SldBand20",    "SldBand21",    "SldBand22",     "SldBand23",     "SldBand24",    "SldBand25",
    "SldBand26",    "SldBand27",    "SldBand28",     "SldBand29",     "SldBand30",    "SldBand31",
    "List",         "InfoStation",  "InfoTime",      "InfoRecord",    "IndicatorStereo", "Spectrum",
};

constexpr char kGeneral[] = "General";

// One section of the description: value lookups plus the report of a
// failed required value.
class Section {
 public:
  Section(const DescriptionSource& source, SkinEnvironment& env, bool debug, const char* name)
      : source_(source), env_(env), debug_(debug), name_(name) {}

  std::string Text(const std::string& key, std::size_t maxChars) const {
    return source_.Value(name_, key.c_str(), maxChars);
  }
  int32_t Integer(const std::string& key, int32_t fallback) const {
    return ParseInteger(Text(key, kNumberChars), fallback);
  }
  Color Colour(const std::string& key) const { return ParseColor(Text(key, kColorChars)); }

  // Reports the failed key; always false, so callers can return it. Without
  // memory for the text nothing is shown and reading goes on.
  bool Fail(const std::string& key) const {
    if (!debug_) return false;
    try {
      env_.ShowDebugMessage(DebugMessage(name_, key.c_str()));
    } catch (const std::bad_alloc&) {
    }
    return false;
  }
  // Required integers (default -1): at least 0, or above 0.
  bool NonNegative(const std::string& key, int32_t& out) const {
    out = Integer(key, -1);
    return out >= 0 || Fail(key);
  }
  bool Positive(const std::string& key, int32_t& out) const {
    out = Integer(key, -1);
    return out > 0 || Fail(key);
  }

  void Face(const std::string& key, char (&face)[kFaceNameChars + 1]) const {
    const std::string text = Text(key, kFaceNameChars);
    std::memset(face, 0, sizeof face);
    std::memcpy(face, text.data(), text.size() < kFaceNameChars ? text.size() : kFaceNameChars);
  }
  uint8_t PitchAndFamily(const std::string& prefix) const {
    return static_cast<uint8_t>(PitchOf(Integer(prefix + "FontFixedPitch", 0)) +
                                ParseFamily(Text(prefix + "FontFamily", kFamilyChars)));
  }
  // FontSize (required above 0), FontWeight, pitch and family, FontFace.
  bool FontKeys(const std::string& prefix, Font& font) const {
    if (!Positive(prefix + "FontSize", font.size)) return false;
    font.weight = Integer(prefix + "FontWeight", 0);
    font.pitchAndFamily = PitchAndFamily(prefix);
    Face(prefix + "FontFace", font.face);
    return true;
  }

  SkinEnvironment& env() const { return env_; }

 private:
  const DescriptionSource& source_;
  SkinEnvironment& env_;
  bool debug_;
  const char* name_;
};

bool ReadControl(const Section& s, SkinControlRecord& r) {
  r = SkinControlRecord{};
  if (!s.NonNegative("WindowX", r.windowX) || !s.NonNegative("WindowY", r.windowY) ||
      !s.NonNegative("ControlX", r.controlX) || !s.NonNegative("ControlY", r.controlY) ||
      !s.Positive("ControlWidth", r.width) || !s.Positive("ControlHeight", r.height))
    return false;
  r.altX = s.Integer("ControlAltX", -1);
  r.altY = s.Integer("ControlAltY", -1);
  r.maskX = s.Integer("MaskX", -1);
  r.maskY = s.Integer("MaskY", -1);
  r.flags = (r.maskY >= 0 ? kFlagMask : 0) | (r.altY >= 0 ? kFlagAltImage : 0) |
            (s.Integer("OneTouch", 0) == 0 ? kFlagPressRelease : 0);
  return true;
}

bool ReadLabel(const Section& s, SkinLabelRecord& r) {
  r = SkinLabelRecord{};
  if (!ReadControl(s, r.control)) return false;
  if (s.Integer("Text", 0) == 0) return true;
  r.control.flags |= kFlagLabel;
  r.color = s.Colour("FontColor");
  r.pressedColor = s.Colour("FontColorPressed");
  r.angle = s.Integer("FontAngle", 0);
  return s.FontKeys("", r.font);
}

bool ReadSlider(const Section& s, SkinSliderRecord& r) {
  r = SkinSliderRecord{};
  SkinControlRecord c;
  if (!ReadControl(s, c)) return false;
  r.windowX = c.windowX;
  r.windowY = c.windowY;
  r.thumbX = c.controlX;
  r.thumbY = c.controlY;
  r.thumbWidth = c.width;
  r.thumbHeight = c.height;
  r.maskX = c.maskX;
  r.maskY = c.maskY;
  r.pathWidth = s.Integer("WindowPathWidth", -1);
  if (r.pathWidth == 0) return s.Fail("WindowPathWidth");
  r.pathHeight = s.Integer("WindowPathHeight", -1);
  if (r.pathHeight == 0) return s.Fail("WindowPathHeight");
  r.pathMaskX = s.Integer("MaskPathX", -1);
  r.pathMaskY = s.Integer("MaskPathY", -1);
  r.snapSize = s.Integer("SnapSize", 0);
  if (r.snapSize < 0) r.snapSize = 0;
  r.flags = (c.flags & kFlagMask ? kSliderThumbMask : 0) | (r.pathMaskY >= 0 ? kSliderPathMask : 0);
  return true;
}

bool ReadListArea(const Section& s, const std::string& side, SkinListArea& a, uint32_t maskFlag,
                  uint32_t altFlag, uint32_t& flags) {
  if (!s.NonNegative("Window" + side + "X", a.windowX) || !s.NonNegative("Window" + side + "Y", a.windowY) ||
      !s.Positive("Window" + side + "Width", a.width) || !s.Positive("Window" + side + "Height", a.height))
    return false;
  a.maskX = s.Integer("Mask" + side + "X", -1);
  a.maskY = s.Integer("Mask" + side + "Y", -1);
  a.altX = s.Integer("Control" + side + "AltX", -1);
  a.altY = s.Integer("Control" + side + "AltY", -1);
  if (a.maskX >= 0 && a.maskY >= 0) flags |= maskFlag;
  if (a.altX >= 0 && a.altY >= 0) flags |= altFlag;
  return true;
}

bool ReadList(const Section& s, SkinListRecord& r) {
  r = SkinListRecord{};
  if (!ReadListArea(s, "Up", r.up, kListUpMask, kListUpAlt, r.flags) ||
      !ReadListArea(s, "Down", r.down, kListDownMask, kListDownAlt, r.flags))
    return false;
  if (!s.NonNegative("WindowListX", r.listX) || !s.NonNegative("WindowListY", r.listY) ||
      !s.Positive("WindowListWidth", r.listWidth) || !s.Positive("WindowListHeight", r.listHeight))
    return false;
  r.offsetCX = s.Integer("WindowListOffsetCX", 0);
  r.offsetCY = s.Integer("WindowListOffsetCY", 0);
  r.color = s.Colour("FontColor");
  if (!s.FontKeys("", r.font)) return false;
  r.activeColor = s.Colour("ActiveFontColor");
  return s.FontKeys("Active", r.activeFont);
}

bool ReadInfo(const Section& s, SkinInfoRecord& r) {
  r = SkinInfoRecord{};
  if (!s.NonNegative("WindowX", r.windowX) || !s.NonNegative("WindowY", r.windowY) ||
      !s.Positive("ControlWidth", r.width) || !s.Positive("ControlHeight", r.height))
    return false;
  r.moreInfo = s.Integer("MoreInfo", 0) != 0;
  r.color = s.Colour("FontColor");
  r.colorRec = s.Colour("FontColorRec");
  r.colorReal = s.Colour("FontColorReal");
  r.colorShift = s.Colour("FontColorShift");
  r.colorFree = s.Colour("FontColorFree");
  return s.FontKeys("", r.font);
}

bool ReadTime(const Section& s, SkinTimeRecord& r) {
  r = SkinTimeRecord{};
  SkinInfoRecord info;
  if (!ReadInfo(s, info)) return false;
  r.windowX = info.windowX;
  r.windowY = info.windowY;
  r.width = info.width;
  r.height = info.height;
  r.colorReal = info.colorReal;
  r.colorShift = info.colorShift;
  r.colorShiftGray = s.Colour("FontColorShiftGray");
  r.font = info.font;
  return true;
}

bool ReadRecording(const Section& s, SkinRecordingRecord& r) {
  r = SkinRecordingRecord{};
  SkinInfoRecord info;
  if (!ReadInfo(s, info)) return false;
  r.windowX = info.windowX;
  r.windowY = info.windowY;
  r.width = info.width;
  r.height = info.height;
  r.color = info.color;
  r.colorRec = info.colorRec;
  r.font = info.font;
  return true;
}

bool ReadSpectrum(const Section& s, SkinSpectrumRecord& r) {
  r = SkinSpectrumRecord{};
  SkinControlRecord c;
  if (!ReadControl(s, c)) return false;
  r.windowX = c.windowX;
  r.windowY = c.windowY;
  r.controlX = c.controlX;
  r.controlY = c.controlY;
  r.width = c.width;
  r.height = c.height;
  if (!s.Positive("PeakHeight", r.peakHeight)) return false;
  r.flags = (s.Integer("PeakMask", 0) != 0 ? kSpectrumPeakMask : 0) |
            (s.Integer("PeakBg", 0) != 0 ? kSpectrumPeakBg : 0);
  r.spTop = s.Integer("SpTopHeight", 0);
  r.spBottom = s.Integer("SpBottomHeight", 0);
  r.spLeft = s.Integer("SpLeftWidth", 0);
  r.spRight = s.Integer("SpRightWidth", 0);
  r.waTop = s.Integer("WaTopHeight", 0);
  r.waBottom = s.Integer("WaBottomHeight", 0);
  r.waLeft = s.Integer("WaLeftWidth", 0);
  r.waRight = s.Integer("WaRightWidth", 0);
  // Sums in 64 bits: margins near the ends of the 32-bit range must not wrap.
  using Wide = int64_t;
  if (Wide{r.spTop} + r.peakHeight + r.spBottom >= r.height) return s.Fail("ControlHeight");
  if (Wide{r.spLeft} + r.spRight >= r.width) return s.Fail("ControlWidth");
  if (Wide{r.waTop} + r.waBottom >= r.height) return s.Fail("ControlHeight");
  if (Wide{r.waLeft} + r.waRight >= r.width) return s.Fail("ControlWidth");
  r.bands = s.Integer("Bands", -1);
  if (r.bands < 1 || r.bands > kSpectrumMaxBands || Wide{r.bands} > Wide{r.width} - r.spLeft - r.spRight)
    return s.Fail("Bands");
  if (!s.env().AnalyzerActive()) {
    s.env().ShowAnalyzerInactive();
    return false;
  }
  return true;
}

// MinVisible* and HidingSpeed*: used when 1 <= value < limit, else 10.
int32_t Bounded(const Section& s, const char* key, int32_t limit) {
  constexpr int32_t kFallback = 10;
  const int32_t v = s.Integer(key, kFallback);
  return (v >= 1 && v < limit) ? v : kFallback;
}

bool ReadGeneral(const DescriptionSource& source, SkinEnvironment& env, General& g) {
  g = General{};
  // Debug decides whether the failures below are shown, so it comes first.
  g.debug = Section(source, env, false, kGeneral).Integer("Debug", 0);
  const Section s(source, env, g.debug != 0, kGeneral);
  if (!s.Positive("Width", g.width) || !s.Positive("Height", g.height)) return false;
  const std::string transparent = s.Text("TransparentColor", kColorChars);
  g.hasTransparentColor = !transparent.empty();
  g.transparentColor = ParseColor(transparent);
  g.minVisibleRight = Bounded(s, "MinVisibleRight", g.width);
  g.minVisibleLeft = Bounded(s, "MinVisibleLeft", g.width);
  g.minVisibleTop = Bounded(s, "MinVisibleTop", g.height);
  g.minVisibleBottom = Bounded(s, "MinVisibleBottom", g.height);
  g.hidingSpeedDX = Bounded(s, "HidingSpeedDX", g.width);
  g.hidingSpeedDY = Bounded(s, "HidingSpeedDY", g.height);
  return true;
}

}  // namespace

const char* SectionName(int slot) { return (slot >= 0 && slot < kSlotCount) ? kSectionNames[slot] : ""; }

std::string DebugMessage(const char* section, const char* key) {
  return std::string("Skin debug message.\n\nParameter is invalid or not found.\n\n[") + section + "]\n" + key;
}

bool ReadSkin(const DescriptionSource& source, SkinEnvironment& env, SkinDescription& out) {
  out.present.fill(false);
  if (!ReadGeneral(source, env, out.general)) return false;
  const bool debug = out.general.debug != 0;
  auto section = [&](int slot) { return Section(source, env, debug, kSectionNames[slot]); };

  for (int slot = 0; slot < kButtonSlots; ++slot) out.present[slot] = ReadControl(section(slot), out.buttons[slot]);
  for (int i = 0; i < kStationButtons; ++i)
    out.present[kBtnStation1 + i] = ReadLabel(section(kBtnStation1 + i), out.stations[i]);

  for (int slot = kSldVolume; slot < kSldBand01; ++slot)
    out.present[slot] = ReadSlider(section(slot), out.sliders[slot - kSldVolume]);
  // Bands stop at the first failing section: the panel's bands are always
  // SldBand01 .. SldBandN without holes.
  for (int slot = kSldBand01; slot < kList; ++slot) {
    out.present[slot] = ReadSlider(section(slot), out.sliders[slot - kSldVolume]);
    if (!out.present[slot]) break;
  }

  out.present[kList] = ReadList(section(kList), out.list);
  // The station display always exists: without a usable section it is an
  // invisible one that still takes the keyboard and the wheel.
  if (!ReadInfo(section(kInfoStation), out.station)) {
    out.station = SkinInfoRecord{};
    out.station.windowX = out.station.windowY = 0;
    out.station.width = out.station.height = 0;
  }
  out.present[kInfoStation] = true;
  out.present[kInfoTime] = ReadTime(section(kInfoTime), out.time);
  out.present[kInfoRecord] = ReadRecording(section(kInfoRecord), out.recording);
  out.present[kIndicatorStereo] = ReadControl(section(kIndicatorStereo), out.stereo);
  out.stereo.flags &= kFlagMask;
  out.present[kSpectrum] = ReadSpectrum(section(kSpectrum), out.spectrum);
  return true;
}

}  // namespace skin
