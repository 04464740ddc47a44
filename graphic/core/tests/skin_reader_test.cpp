#include "graphic/core/skin_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphic/core/ini_text.h"

namespace skin {
namespace {

class RecordingEnvironment : public SkinEnvironment {
 public:
  bool analyzerActive = true;
  std::vector<std::string> debugMessages;
  int analyzerMessages = 0;

  bool AnalyzerActive() override { return analyzerActive; }
  void ShowDebugMessage(const std::string& text) override { debugMessages.push_back(text); }
  void ShowAnalyzerInactive() override { ++analyzerMessages; }
};

constexpr char kGeneral[] = "[General]\nWidth=300\nHeight=120\nDebug=1\n";

// A complete button section at window (x, y).
std::string Button(const std::string& name, int x, int y, const std::string& extra = "") {
  return "[" + name + "]\nWindowX=" + std::to_string(x) + "\nWindowY=" + std::to_string(y) +
         "\nControlX=0\nControlY=130\nControlWidth=16\nControlHeight=12\n" + extra;
}

std::string Slider(const std::string& name, const std::string& extra = "") {
  return Button(name, 10, 60, "WindowPathWidth=12\nWindowPathHeight=-50\n" + extra);
}

struct Reading {
  RecordingEnvironment env;
  SkinDescription skin;
  bool ok = false;
  explicit Reading(const std::string& text, bool analyzer = true) {
    env.analyzerActive = analyzer;
    ok = ReadSkin(IniText(text), env, skin);
  }
  bool Reported(const char* section, const char* key) const {
    for (const auto& m : env.debugMessages)
      if (m == DebugMessage(section, key)) return true;
    return false;
  }
  // The keys reported for one section, in order.
  std::vector<std::string> KeysOf(const std::string& section) const {
    std::vector<std::string> keys;
    const std::string head = DebugMessage(section.c_str(), "");
    for (const auto& m : env.debugMessages)
      if (m.compare(0, head.size(), head) == 0) keys.push_back(m.substr(head.size()));
    return keys;
  }
  // The key named by the only debug message, or "" when there was none.
  std::string FailedKey() const {
    if (env.debugMessages.size() != 1) return env.debugMessages.empty() ? "" : "several";
    const std::string& m = env.debugMessages[0];
    return m.substr(m.rfind('\n') + 1);
  }
};

TEST(SkinReader, DebugMessageText) {
  EXPECT_EQ(DebugMessage("BtnExit", "WindowX"),
            "Skin debug message.\n\nParameter is invalid or not found.\n\n[BtnExit]\nWindowX");
}

TEST(SkinReader, OnlyGeneralGivesTheInvisibleStationDisplay) {
  Reading r(kGeneral);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.skin.general.width, 300);
  EXPECT_EQ(r.skin.general.height, 120);
  for (int slot = 0; slot < kSlotCount; ++slot) EXPECT_EQ(r.skin.present[slot], slot == kInfoStation) << slot;
  EXPECT_EQ(r.skin.station.width, 0);
  EXPECT_EQ(r.skin.station.height, 0);
  // Every failing section was reported except the band sections after the
  // first and the station display's own fallback.
  EXPECT_FALSE(r.env.debugMessages.empty());
  EXPECT_FALSE(r.skin.general.hasTransparentColor);
}

TEST(SkinReader, GeneralFailureEndsTheReading) {
  Reading missingWidth("[General]\nHeight=10\nDebug=1\n" + Button("BtnExit", 0, 0));
  EXPECT_FALSE(missingWidth.ok);
  ASSERT_EQ(missingWidth.env.debugMessages.size(), 1u);
  EXPECT_EQ(missingWidth.env.debugMessages[0], DebugMessage("General", "Width"));
  EXPECT_FALSE(missingWidth.skin.present[kBtnExit]);

  Reading zeroHeight("[General]\nWidth=10\nHeight=0\nDebug=1\n");
  EXPECT_FALSE(zeroHeight.ok);
  EXPECT_EQ(zeroHeight.FailedKey(), "Height");

  Reading quiet("[General]\nWidth=-4\nHeight=10\n");
  EXPECT_FALSE(quiet.ok);
  EXPECT_TRUE(quiet.env.debugMessages.empty());
}

TEST(SkinReader, GeneralBoundedValuesFallBackToTen) {
  Reading r(
      "[General]\nWidth=100\nHeight=50\nMinVisibleLeft=100\nMinVisibleRight=0\nMinVisibleTop=49\n"
      "MinVisibleBottom=50\nHidingSpeedDX=99\nHidingSpeedDY=-5\nTransparentColor=#FF00FF\n");
  ASSERT_TRUE(r.ok);
  const General& g = r.skin.general;
  EXPECT_EQ(g.minVisibleLeft, 10);    // = Width
  EXPECT_EQ(g.minVisibleRight, 10);   // 0
  EXPECT_EQ(g.minVisibleTop, 49);
  EXPECT_EQ(g.minVisibleBottom, 10);  // = Height
  EXPECT_EQ(g.hidingSpeedDX, 99);
  EXPECT_EQ(g.hidingSpeedDY, 10);     // negative
  EXPECT_TRUE(g.hasTransparentColor);
  EXPECT_EQ(g.transparentColor, 0xFF00FFu);
  EXPECT_EQ(g.debug, 0);
}

TEST(SkinReader, LookupsIgnoreCaseAndRespectLengthLimits) {
  Reading r(
      "[general]\nWIDTH=300\nheight=120\n"
      "[btnexit]\nwindowx=1\nWINDOWY=2\ncontrolx=3\ncontroly=4\ncontrolwidth=000000000000000016\n"
      "ControlHeight=5\n");
  ASSERT_TRUE(r.ok);
  EXPECT_FALSE(r.skin.present[kBtnExit]);
  Reading shortWidth("[general]\nWIDTH=300\nheight=120\n"
      "[btnexit]\nwindowx=1\nWINDOWY=2\ncontrolx=3\ncontroly=4\ncontrolwidth=000000000000016\n"
      "ControlHeight=5\n");
  ASSERT_TRUE(shortWidth.skin.present[kBtnExit]);
  EXPECT_EQ(shortWidth.skin.Button(kBtnExit).width, 16);
  // Only 15 characters are read, so eighteen digits of 16 read as 0: fails.
  Reading longWidth(std::string(kGeneral) +
                    "[BtnExit]\nWindowX=1\nWindowY=2\nControlX=3\nControlY=4\nControlWidth=000000000000000016\n"
                    "ControlHeight=5\n");
  EXPECT_FALSE(longWidth.skin.present[kBtnExit]);
  EXPECT_EQ(longWidth.env.debugMessages.front(), DebugMessage("BtnExit", "ControlWidth"));
}

TEST(SkinReader, ControlRecordFlagsAndRequiredOrder) {
  Reading r(std::string(kGeneral) + Button("BtnMute", 5, 6, "MaskX=20\nMaskY=0\nControlAltY=0\nOneTouch=1\n") +
            Button("BtnNext", 7, 8, "MaskX=3\nControlAltX=4\n"));
  ASSERT_TRUE(r.skin.present[kBtnMute]);
  const SkinControlRecord& mute = r.skin.Button(kBtnMute);
  EXPECT_EQ(mute.flags, kFlagMask | kFlagAltImage);  // OneTouch: no press-and-release
  EXPECT_EQ(mute.altX, -1);  // only ControlAltY decides; the image sits at x = -1
  EXPECT_EQ(mute.altY, 0);
  EXPECT_EQ(mute.windowX, 5);
  EXPECT_EQ(mute.width, 16);
  const SkinControlRecord& next = r.skin.Button(kBtnNext);
  EXPECT_EQ(next.flags, kFlagPressRelease);  // MaskX and ControlAltX alone decide nothing

  Reading order(std::string(kGeneral) + "[BtnExit]\nWindowY=3\nControlY=3\n");
  EXPECT_FALSE(order.skin.present[kBtnExit]);
  EXPECT_EQ(order.env.debugMessages.front(), DebugMessage("BtnExit", "WindowX"));

  Reading none(std::string(kGeneral) + Button("BtnExit", 0, 0) + "WindowX=None\n");
  EXPECT_TRUE(none.skin.present[kBtnExit]);  // the first WindowX key wins
  Reading noneFirst(std::string(kGeneral) +
                    "[BtnExit]\nWindowX=None\nWindowY=0\nControlX=0\nControlY=0\nControlWidth=1\nControlHeight=1\n");
  EXPECT_FALSE(noneFirst.skin.present[kBtnExit]);
  EXPECT_EQ(noneFirst.env.debugMessages.front(), DebugMessage("BtnExit", "WindowX"));

  Reading zeroSize(std::string(kGeneral) + Button("BtnExit", 0, 0) + "[BtnHelp]\nWindowX=0\nWindowY=0\n"
                   "ControlX=0\nControlY=0\nControlWidth=1\nControlHeight=0\n");
  EXPECT_TRUE(zeroSize.skin.present[kBtnExit]);
  EXPECT_FALSE(zeroSize.skin.present[kBtnHelp]);
}

TEST(SkinReader, StationButtonLabels) {
  Reading r(std::string(kGeneral) + Button("BtnStation1", 0, 0) +
            Button("BtnStation2", 20, 0,
                   "Text=1\nFontColor=#102030\nFontColorPressed=FFFFFF\nFontAngle=900\nFontSize=11\n"
                   "FontWeight=700\nFontFixedPitch=1\nFontFamily=Modern\n"
                   "FontFace=ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789\n") +
            Button("BtnStation3", 40, 0, "Text=1\n"));
  ASSERT_TRUE(r.skin.present[kBtnStation1]);
  EXPECT_EQ(r.skin.Station(kBtnStation1).control.flags & kFlagLabel, 0u);
  ASSERT_TRUE(r.skin.present[kBtnStation1 + 1]);
  const SkinLabelRecord& two = r.skin.Station(kBtnStation1 + 1);
  EXPECT_EQ(two.control.flags, kFlagPressRelease | kFlagLabel);
  EXPECT_EQ(two.color, 0x302010u);
  EXPECT_EQ(two.pressedColor, 0xFFFFFFu);
  EXPECT_EQ(two.angle, 900);
  EXPECT_EQ(two.font.size, 11);
  EXPECT_EQ(two.font.weight, 700);
  EXPECT_EQ(two.font.pitchAndFamily, kFixedPitch + 48);
  EXPECT_STREQ(two.font.face, "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234");  // 31 characters
  EXPECT_FALSE(r.skin.present[kBtnStation1 + 2]);  // a label needs its size
  EXPECT_TRUE(r.Reported("BtnStation3", "FontSize"));
  EXPECT_EQ(r.skin.StationButtonCount(), 2);
}

TEST(SkinReader, SliderPathsMasksAndSnap) {
  Reading r(std::string(kGeneral) + Slider("SldVolume", "MaskY=0\nMaskPathX=1\nMaskPathY=2\nSnapSize=-4\n") +
            Button("SldVolumeRec", 1, 1) + Slider("SldVolumeWav", "SnapSize=3\n") +
            Button("SldVolumeFM", 1, 1, "WindowPathWidth=0\nWindowPathHeight=0\n") +
            Button("SldVolumeRad", 1, 1, "WindowPathHeight=0\n"));
  ASSERT_TRUE(r.skin.present[kSldVolume]);
  const SkinSliderRecord& main = r.skin.Slider(kSldVolume);
  EXPECT_EQ(main.flags, kSliderThumbMask | kSliderPathMask);
  EXPECT_EQ(main.pathWidth, 12);
  EXPECT_EQ(main.pathHeight, -50);
  EXPECT_EQ(main.thumbY, 130);
  EXPECT_EQ(main.snapSize, 0);
  EXPECT_EQ(main.pathMaskY, 2);
  ASSERT_TRUE(r.skin.present[kSldVolumeRec]);  // missing path sizes are -1, not errors
  EXPECT_EQ(r.skin.Slider(kSldVolumeRec).pathWidth, -1);
  EXPECT_EQ(r.skin.Slider(kSldVolumeRec).pathHeight, -1);
  EXPECT_EQ(r.skin.Slider(kSldVolumeWav).snapSize, 3);
  EXPECT_FALSE(r.skin.present[kSldVolumeFM]);
  EXPECT_FALSE(r.skin.present[kSldVolumeRad]);
  std::vector<std::string> sliderMessages;
  for (const auto& m : r.env.debugMessages)
    if (m.find("[SldVolume") != std::string::npos) sliderMessages.push_back(m);
  ASSERT_EQ(sliderMessages.size(), 3u);  // FM, Rad, All
  EXPECT_EQ(sliderMessages[0], DebugMessage("SldVolumeFM", "WindowPathWidth"));
  EXPECT_EQ(sliderMessages[1], DebugMessage("SldVolumeRad", "WindowPathHeight"));
  EXPECT_EQ(sliderMessages[2], DebugMessage("SldVolumeAll", "WindowX"));
}

TEST(SkinReader, BandsStopAtTheFirstFailingSection) {
  std::string text = kGeneral;
  for (const char* band : {"SldBand01", "SldBand02", "SldBand03", "SldBand04", "SldBand05", "SldBand07"})
    text += Slider(band);
  text += Slider("SldTimeShift");
  Reading r(text);
  for (int b = 0; b < kBandSliders; ++b) EXPECT_EQ(r.skin.present[kSldBand01 + b], b < 5) << b;
  EXPECT_EQ(r.skin.BandCount(), 5);
  EXPECT_TRUE(r.skin.present[kSldTimeShift]);
  int bandMessages = 0;
  for (const auto& m : r.env.debugMessages) bandMessages += m.find("[SldBand") != std::string::npos;
  EXPECT_EQ(bandMessages, 1);  // SldBand06 only; later bands are not read

  Reading badFirst(std::string(kGeneral) + Button("SldBand01", 0, 0, "WindowPathWidth=0\n") + Slider("SldBand02") +
                   Slider("SldVolume"));
  EXPECT_EQ(badFirst.skin.BandCount(), 0);
  EXPECT_FALSE(badFirst.skin.present[kSldBand01 + 1]);
  EXPECT_TRUE(badFirst.skin.present[kSldVolume]);  // volumes are read regardless
}

constexpr char kListSection[] =
    "[List]\nWindowUpX=1\nWindowUpY=2\nWindowUpWidth=3\nWindowUpHeight=4\nMaskUpX=5\nMaskUpY=6\n"
    "ControlUpAltX=7\nControlUpAltY=-1\n"
    "WindowDownX=11\nWindowDownY=12\nWindowDownWidth=13\nWindowDownHeight=14\nMaskDownX=-1\nMaskDownY=16\n"
    "ControlDownAltX=17\nControlDownAltY=18\n"
    "WindowListX=21\nWindowListY=22\nWindowListWidth=23\nWindowListHeight=24\nWindowListOffsetCX=-2\n"
    "WindowListOffsetCY=12\nFontColor=#00FF00\nFontSize=9\nFontFamily=swiss\n"
    "ActiveFontColor=FF0000\nActiveFontSize=10\nActiveFontWeight=700\nActiveFontFixedPitch=1\n"
    "ActiveFontFace=Tahoma\n";

TEST(SkinReader, ListRecord) {
  Reading r(std::string(kGeneral) + kListSection);
  ASSERT_TRUE(r.skin.present[kList]);
  const SkinListRecord& l = r.skin.list;
  EXPECT_EQ(l.flags, kListUpMask | kListDownAlt);  // each needs both of its X and Y
  EXPECT_EQ(l.up.height, 4);
  EXPECT_EQ(l.down.altY, 18);
  EXPECT_EQ(l.listWidth, 23);
  EXPECT_EQ(l.offsetCX, -2);
  EXPECT_EQ(l.offsetCY, 12);
  EXPECT_EQ(l.color, 0x00FF00u);
  EXPECT_EQ(l.font.size, 9);
  EXPECT_EQ(l.font.pitchAndFamily, kVariablePitch + 32);
  EXPECT_EQ(l.activeColor, 0x0000FFu);
  EXPECT_EQ(l.activeFont.weight, 700);
  EXPECT_EQ(l.activeFont.pitchAndFamily, kFixedPitch);
  EXPECT_STREQ(l.activeFont.face, "Tahoma");

  const std::string list = kListSection;
  auto without = [&](const std::string& key) {
    std::string text = list;
    const std::size_t at = text.find("\n" + key + "=");
    text.erase(at + 1, text.find('\n', at + 1) - at);
    return std::string(kGeneral) + text;
  };
  for (const char* key : {"WindowUpWidth", "WindowDownY", "WindowListHeight", "FontSize", "ActiveFontSize"}) {
    Reading missing(without(key));
    EXPECT_FALSE(missing.skin.present[kList]) << key;
    EXPECT_EQ(missing.KeysOf("List"), std::vector<std::string>{key});
  }
}

constexpr char kInfo[] =
    "WindowX=4\nWindowY=5\nControlWidth=100\nControlHeight=14\nMoreInfo=2\nFontColor=010203\n"
    "FontColorRec=040506\nFontColorReal=070809\nFontColorShift=0A0B0C\nFontColorFree=0D0E0F\n"
    "FontColorShiftGray=101112\nFontSize=12\nFontWeight=400\nFontFace=Arial\n";

TEST(SkinReader, InformationTimeAndRecordingRecords) {
  Reading r(std::string(kGeneral) + "[InfoStation]\n" + kInfo + "[InfoTime]\n" + kInfo + "[InfoRecord]\n" + kInfo);
  ASSERT_TRUE(r.skin.present[kInfoStation]);
  EXPECT_TRUE(r.skin.station.moreInfo);
  EXPECT_EQ(r.skin.station.colorFree, 0x0F0E0Du);
  EXPECT_EQ(r.skin.station.font.size, 12);
  EXPECT_STREQ(r.skin.station.font.face, "Arial");
  ASSERT_TRUE(r.skin.present[kInfoTime]);
  EXPECT_EQ(r.skin.time.colorReal, 0x090807u);
  EXPECT_EQ(r.skin.time.colorShift, 0x0C0B0Au);
  EXPECT_EQ(r.skin.time.colorShiftGray, 0x121110u);
  EXPECT_EQ(r.skin.time.width, 100);
  ASSERT_TRUE(r.skin.present[kInfoRecord]);
  EXPECT_EQ(r.skin.recording.color, 0x030201u);
  EXPECT_EQ(r.skin.recording.colorRec, 0x060504u);
  EXPECT_EQ(r.skin.recording.font.weight, 400);

  // A time section is tested in full, its unused keys included.
  Reading noSize(std::string(kGeneral) +
                 "[InfoTime]\nWindowX=0\nWindowY=0\nControlWidth=5\nControlHeight=5\n"
                 "[InfoStation]\nWindowX=9\nWindowY=9\nControlWidth=0\nControlHeight=5\nFontSize=3\n");
  EXPECT_FALSE(noSize.skin.present[kInfoTime]);
  ASSERT_TRUE(noSize.skin.present[kInfoStation]);  // kept, but invisible
  EXPECT_EQ(noSize.skin.station.width, 0);
  EXPECT_EQ(noSize.skin.station.height, 0);
  EXPECT_TRUE(noSize.Reported("InfoStation", "ControlWidth"));
  EXPECT_TRUE(noSize.Reported("InfoTime", "FontSize"));
}

TEST(SkinReader, StereoIndicatorKeepsOnlyTheMaskBit) {
  Reading r(std::string(kGeneral) + Button("IndicatorStereo", 1, 1, "MaskY=3\nControlAltX=5\nControlAltY=6\n"));
  ASSERT_TRUE(r.skin.present[kIndicatorStereo]);
  EXPECT_EQ(r.skin.Button(kIndicatorStereo).flags, kFlagMask);
  EXPECT_EQ(r.skin.Button(kIndicatorStereo).altY, 6);
}

std::string Spectrum(const std::string& extra) {
  return "[Spectrum]\nWindowX=10\nWindowY=10\nControlX=0\nControlY=200\nControlWidth=64\nControlHeight=40\n" +
         extra;
}

TEST(SkinReader, SpectrumRules) {
  Reading good(std::string(kGeneral) +
               Spectrum("PeakHeight=2\nPeakMask=1\nBands=60\nSpLeftWidth=2\nSpRightWidth=2\nSpTopHeight=3\n"
                        "SpBottomHeight=4\nWaTopHeight=1\nWaBottomHeight=38\nWaLeftWidth=31\nWaRightWidth=32\n"));
  ASSERT_TRUE(good.skin.present[kSpectrum]);
  const SkinSpectrumRecord& s = good.skin.spectrum;
  EXPECT_EQ(s.flags, kSpectrumPeakMask);
  EXPECT_EQ(s.bands, 60);
  EXPECT_EQ(s.controlY, 200);
  EXPECT_EQ(s.spBottom, 4);
  EXPECT_EQ(s.waRight, 32);

  struct Case {
    const char* keys;
    const char* failedKey;
  };
  const Case cases[] = {
      {"PeakHeight=0\nBands=8\n", "PeakHeight"},
      {"Bands=8\n", "PeakHeight"},
      {"PeakHeight=20\nSpTopHeight=10\nSpBottomHeight=10\nBands=8\n", "ControlHeight"},  // sum = height
      {"PeakHeight=1\nSpLeftWidth=32\nSpRightWidth=32\nBands=8\n", "ControlWidth"},
      {"PeakHeight=1\nWaTopHeight=40\nBands=8\n", "ControlHeight"},
      {"PeakHeight=1\nWaLeftWidth=-1\nWaRightWidth=65\nBands=8\n", "ControlWidth"},
      {"PeakHeight=1\nBands=61\n", "Bands"},
      {"PeakHeight=1\nBands=0\n", "Bands"},
      {"PeakHeight=1\nSpLeftWidth=3\nSpRightWidth=2\nBands=60\n", "Bands"},  // 59 columns for 60 bands
      {"PeakHeight=1\nBands=8\nSpTopHeight=2147483647\nSpBottomHeight=2147483647\n", "ControlHeight"},
  };
  for (const Case& c : cases) {
    Reading r(std::string(kGeneral) + Spectrum(c.keys));
    EXPECT_FALSE(r.skin.present[kSpectrum]) << c.keys;
    EXPECT_EQ(r.env.debugMessages.back(), DebugMessage("Spectrum", c.failedKey)) << c.keys;
  }
}

TEST(SkinReader, SpectrumNeedsTheActiveAnalyzer) {
  const std::string text = std::string(kGeneral) + Spectrum("PeakHeight=2\nBands=8\n");
  Reading inactive(text, false);
  EXPECT_FALSE(inactive.skin.present[kSpectrum]);
  EXPECT_EQ(inactive.env.analyzerMessages, 1);
  for (const auto& m : inactive.env.debugMessages) EXPECT_EQ(m.find("[Spectrum]"), std::string::npos);

  Reading active(text, true);
  EXPECT_TRUE(active.skin.present[kSpectrum]);
  EXPECT_EQ(active.env.analyzerMessages, 0);

  // A spectrum that already fails a rule is not checked against the filters.
  Reading bad(std::string(kGeneral) + Spectrum("PeakHeight=2\nBands=99\n"), false);
  EXPECT_EQ(bad.env.analyzerMessages, 0);
}

TEST(SkinReader, RereadingClearsTheOldPresentFlags) {
  RecordingEnvironment env;
  SkinDescription skin;
  ASSERT_TRUE(ReadSkin(IniText(std::string(kGeneral) + Button("BtnExit", 0, 0)), env, skin));
  EXPECT_TRUE(skin.present[kBtnExit]);
  EXPECT_FALSE(ReadSkin(IniText("[General]\nWidth=1\n"), env, skin));
  for (bool present : skin.present) EXPECT_FALSE(present);
}

TEST(IniText, LooksUpLikeTheProfileReader) {
  const IniText ini(
      "; a comment\r\nstray=1\r\n[ One ]\r\n  Key  =  spaced value  \r\nq=\"quoted\"\r\ns='x'\r\nodd=\"a'\r\n"
      "bare\r\n[one]\r\nKey=second section\r\n[Two]\r\nkey=first\r\nKEY=second\r\n;note=1\r\n[Unclosed\r\nk=v\r\n"
      "[Three] ; note\r\nkey=3\r\n[Four]]\r\nkey=4\r\n");
  EXPECT_EQ(ini.Value("one", "key", 100), "spaced value");
  EXPECT_EQ(ini.Value("ONE", "KEY", 6), "spaced");
  EXPECT_EQ(ini.Value("One", "q", 100), "quoted");
  EXPECT_EQ(ini.Value("One", "s", 100), "x");
  EXPECT_EQ(ini.Value("One", "odd", 100), "\"a'");
  EXPECT_EQ(ini.Value("One", "bare", 100), "");
  EXPECT_EQ(ini.Value("One", "stray", 100), "");
  EXPECT_EQ(ini.Value("Two", "key", 100), "first");
  EXPECT_EQ(ini.Value("Two", ";note", 100), "1");  // a ';' line is only a key nobody asks for
  // A '[' line without ']' opens no section: its keys stay in the one before.
  EXPECT_EQ(ini.Value("Unclosed", "k", 100), "");
  EXPECT_EQ(ini.Value("Two", "k", 100), "v");
  // The name runs to the last ']' of the line.
  EXPECT_EQ(ini.Value("Three", "key", 100), "3");
  EXPECT_EQ(ini.Value("Four]", "key", 100), "4");
  EXPECT_EQ(ini.Value("Four", "key", 100), "");
  EXPECT_EQ(ini.Value("Five", "key", 100), "");
}

}  // namespace
}  // namespace skin

namespace skin {
namespace {

// Message boxes that cannot get memory for their text.
class NoMemoryEnvironment : public SkinEnvironment {
 public:
  int attempts = 0;
  bool AnalyzerActive() override { return true; }
  void ShowDebugMessage(const std::string&) override {
    ++attempts;
    throw std::bad_alloc();
  }
  void ShowAnalyzerInactive() override {}
};

TEST(SkinReader, ReadingGoesOnWhenAMessageCannotBeShown) {
  NoMemoryEnvironment env;
  SkinDescription skin;
  ASSERT_TRUE(ReadSkin(IniText(std::string(kGeneral) + Button("BtnHelp", 1, 1)), env, skin));
  EXPECT_GT(env.attempts, 1);
  EXPECT_TRUE(skin.present[kBtnHelp]);
}

}  // namespace
}  // namespace skin
