// The suite's skins as shipped: with Debug on, no section that a description
// holds fails (the only messages name the sections the skin leaves out, as
// "not found"); each has the controls it is meant to have, keeps them inside
// the window and takes every picture from inside its bitmap.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "graphic/core/ini_text.h"
#include "graphic/core/skin_reader.h"

namespace skin {
namespace {

struct Area {
  std::string what;
  int x, y, w, h;
};

class StrictEnvironment : public SkinEnvironment {
 public:
  std::vector<std::string> messages;
  bool AnalyzerActive() override { return true; }
  void ShowDebugMessage(const std::string& text) override { messages.push_back(text); }
  void ShowAnalyzerInactive() override { messages.push_back("analyzer"); }
};

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Width and height from a BMP file's header.
bool BitmapSize(const std::string& path, int& width, int& height) {
  const std::string bytes = ReadText(path);
  if (bytes.size() < 26 || bytes[0] != 'B' || bytes[1] != 'M') return false;
  auto at = [&](std::size_t i) {
    return int(uint8_t(bytes[i])) | int(uint8_t(bytes[i + 1])) << 8 | int(uint8_t(bytes[i + 2])) << 16 |
           int(uint8_t(bytes[i + 3])) << 24;
  };
  width = at(18);
  height = std::abs(at(22));
  return true;
}

// Reads a shipped description with its Debug switched on.
std::string WithDebug(std::string text) {
  const std::size_t at = text.find("Debug=0");
  if (at != std::string::npos) text.replace(at, 7, "Debug=1");
  return text;
}

void AddButton(const std::string& name, const SkinControlRecord& r, bool alwaysAlt, std::vector<Area>& window,
               std::vector<Area>& bitmap) {
  window.push_back({name, r.windowX, r.windowY, r.width, r.height});
  bitmap.push_back({name + " image", r.controlX, r.controlY, r.width, r.height});
  if ((r.flags & kFlagAltImage) || (alwaysAlt && r.altY >= 0))
    bitmap.push_back({name + " alternative", r.altX, r.altY, r.width, r.height});
  if (r.flags & kFlagMask) bitmap.push_back({name + " mask", r.maskX, r.maskY, r.width, r.height});
}

void Collect(const SkinDescription& d, std::vector<Area>& window, std::vector<Area>& bitmap) {
  for (int slot = 0; slot < kButtonSlots; ++slot)
    if (d.present[slot]) AddButton(SectionName(slot), d.buttons[slot], false, window, bitmap);
  for (int i = 0; i < kStationButtons; ++i)
    if (d.present[kBtnStation1 + i]) AddButton(SectionName(kBtnStation1 + i), d.stations[i].control, false, window, bitmap);
  if (d.present[kIndicatorStereo]) AddButton("IndicatorStereo", d.stereo, true, window, bitmap);
  for (int i = 0; i < kSliderSlots; ++i) {
    if (!d.present[kSldVolume + i]) continue;
    const SkinSliderRecord& s = d.sliders[i];
    const std::string name = SectionName(kSldVolume + i);
    const int pw = std::abs(s.pathWidth), ph = std::abs(s.pathHeight);
    const int x = s.pathWidth > 0 ? s.windowX : s.windowX + s.pathWidth + 1;
    const int y = s.pathHeight > 0 ? s.windowY : s.windowY + s.pathHeight + 1;
    window.push_back({name + " path", x, y, pw, ph});
    EXPECT_GE(pw, s.thumbWidth) << name;
    EXPECT_GE(ph, s.thumbHeight) << name;
    bitmap.push_back({name + " thumb", s.thumbX, s.thumbY, s.thumbWidth, s.thumbHeight});
    if (s.flags & kSliderThumbMask) bitmap.push_back({name + " thumb mask", s.maskX, s.maskY, s.thumbWidth, s.thumbHeight});
    if (s.flags & kSliderPathMask) bitmap.push_back({name + " path mask", s.pathMaskX, s.pathMaskY, pw, ph});
  }
  if (d.present[kList]) {
    const SkinListRecord& l = d.list;
    window.push_back({"List up", l.up.windowX, l.up.windowY, l.up.width, l.up.height});
    window.push_back({"List down", l.down.windowX, l.down.windowY, l.down.width, l.down.height});
    window.push_back({"List", l.listX, l.listY, l.listWidth, l.listHeight});
    if (l.flags & kListUpMask) bitmap.push_back({"List up mask", l.up.maskX, l.up.maskY, l.up.width, l.up.height});
    if (l.flags & kListUpAlt) bitmap.push_back({"List up pressed", l.up.altX, l.up.altY, l.up.width, l.up.height});
    if (l.flags & kListDownMask)
      bitmap.push_back({"List down mask", l.down.maskX, l.down.maskY, l.down.width, l.down.height});
    if (l.flags & kListDownAlt)
      bitmap.push_back({"List down pressed", l.down.altX, l.down.altY, l.down.width, l.down.height});
    EXPECT_GT(l.offsetCY, 0);
  }
  window.push_back({"InfoStation", d.station.windowX, d.station.windowY, d.station.width, d.station.height});
  if (d.present[kInfoTime]) window.push_back({"InfoTime", d.time.windowX, d.time.windowY, d.time.width, d.time.height});
  if (d.present[kInfoRecord])
    window.push_back({"InfoRecord", d.recording.windowX, d.recording.windowY, d.recording.width, d.recording.height});
  if (d.present[kSpectrum]) {
    const SkinSpectrumRecord& s = d.spectrum;
    window.push_back({"Spectrum", s.windowX, s.windowY, s.width, s.height});
    // Bars off and lit, waveform background and trace, peak strip and mask.
    bitmap.push_back({"Spectrum pictures", s.controlX, s.controlY, 2 * s.width, 2 * s.height + s.peakHeight});
  }
}

struct Expected {
  const char* name;
  std::set<int> present;
};

std::set<int> Range(int first, int last) {
  std::set<int> s;
  for (int i = first; i <= last; ++i) s.insert(i);
  return s;
}

void CheckSkin(const Expected& e) {
  SCOPED_TRACE(e.name);
  const std::string text = ReadText(std::string(SKIN_SOURCE_DIR) + "/" + e.name + ".txt");
  ASSERT_FALSE(text.empty());
  StrictEnvironment env;
  SkinDescription d;
  ASSERT_TRUE(ReadSkin(IniText(WithDebug(text)), env, d));
  EXPECT_EQ(d.general.debug, 1);
  for (int slot = 0; slot < kSlotCount; ++slot) EXPECT_EQ(d.present[slot], e.present.count(slot) == 1) << SectionName(slot);
  // Each left-out section is reported once, by its first key; band sections
  // after the first missing one are not read at all.
  std::vector<std::string> expected;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (e.present.count(slot) || slot == kInfoStation) continue;
    if (slot > kSldBand01 && slot < kList && !e.present.count(slot - 1)) continue;
    expected.push_back(DebugMessage(SectionName(slot), slot == kList ? "WindowUpX" : "WindowX"));
  }
  EXPECT_EQ(env.messages, expected);

  int bw = 0, bh = 0;
  ASSERT_TRUE(BitmapSize(std::string(SKIN_BITMAP_DIR) + "/" + e.name + ".bmp", bw, bh));
  EXPECT_GE(bw, d.general.width);
  EXPECT_GE(bh, d.general.height);
  std::vector<Area> window, bitmap;
  Collect(d, window, bitmap);
  for (const Area& a : window)
    EXPECT_TRUE(a.x >= 0 && a.y >= 0 && a.w > 0 && a.h > 0 && a.x + a.w <= d.general.width &&
                a.y + a.h <= d.general.height)
        << a.what << " at " << a.x << "," << a.y << " " << a.w << "x" << a.h;
  for (const Area& a : bitmap)
    EXPECT_TRUE(a.x >= 0 && a.y >= 0 && a.x + a.w <= bw && a.y + a.h <= bh)
        << a.what << " at " << a.x << "," << a.y << " " << a.w << "x" << a.h;
}

TEST(SkinFiles, NightfallHasEveryKindOfControl) {
  std::set<int> present = Range(0, kSldTimeShift);  // every button, station button, volume and time shift
  for (int slot : Range(kSldBand01, kSldBand01 + 9)) present.insert(slot);  // ten bands
  for (int slot : Range(kList, kSpectrum)) present.insert(slot);
  CheckSkin({"Nightfall", present});
}

TEST(SkinFiles, DaylightIsACompactSecondSkin) {
  std::set<int> present = {kBtnExit, kBtnSetup, kBtnMinimize, kBtnHelp, kBtnRecord, kBtnMute, kBtnPrevious,
                           kBtnNext, kSldVolume, kSldTimeShift, kInfoStation, kInfoTime, kIndicatorStereo, kSpectrum};
  for (int slot : Range(kBtnStation1, kBtnStation1 + 5)) present.insert(slot);
  CheckSkin({"Daylight", present});
}

TEST(SkinFiles, NightfallUsesTheLessCommonFeatures) {
  StrictEnvironment env;
  SkinDescription d;
  ASSERT_TRUE(ReadSkin(IniText(ReadText(std::string(SKIN_SOURCE_DIR) + "/Nightfall.txt")), env, d));
  EXPECT_TRUE(d.general.hasTransparentColor);
  EXPECT_EQ(d.general.transparentColor, 0xFF00FFu);
  EXPECT_TRUE(d.buttons[kBtnExit].flags & kFlagMask);
  EXPECT_FALSE(d.buttons[kBtnEqualizer].flags & kFlagPressRelease);  // acts at once
  for (int i = 0; i < kStationButtons; ++i) EXPECT_TRUE(d.stations[i].control.flags & kFlagLabel) << i;
  EXPECT_EQ(d.list.flags, kListUpMask | kListDownMask | kListUpAlt | kListDownAlt);
  EXPECT_TRUE(d.station.moreInfo);
  EXPECT_EQ(d.spectrum.bands, 16);
  EXPECT_EQ(d.spectrum.flags, kSpectrumPeakMask);
  EXPECT_LT(d.Slider(kSldTimeShift).pathWidth, 0);  // live at the right end
  EXPECT_EQ(d.Slider(kSldBand01).snapSize, 3);
}

}  // namespace
}  // namespace skin
