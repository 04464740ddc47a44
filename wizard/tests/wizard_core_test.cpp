#include <gtest/gtest.h>

#include "wizard/page_rules.h"
#include "wizard/wizard_layout.h"

namespace wizard {
namespace {

TEST(WizardHeader, HeightFollowsTheTextHeightWithALowerBound) {
  struct Row {
    int h, H;
  };
  for (const Row& r : {Row{11, 57}, Row{12, 57}, Row{13, 58}, Row{16, 71}, Row{24, 104}})
    EXPECT_EQ(LayoutHeader(r.h, 7, 500).height, r.H) << r.h;
}

TEST(WizardHeader, TextsAndPicturePlaces) {
  const Header header = LayoutHeader(24, 7, 500);  // x = 17, y = 17, gap = 6
  EXPECT_EQ(header.title, (Box{10, 17, 500 - 34 - 57, 24}));
  EXPECT_EQ(header.subtitle, (Box{17, 17 + 6 + 24, 500 - 34 - 57, 48}));
  EXPECT_EQ(header.shift(), 89);
  EXPECT_EQ(header.whiteBand(480), (Box{0, 0, 480, 104}));
  EXPECT_EQ(header.line(480), (Box{0, 104, 483, 1}));
  EXPECT_EQ(header.picture(480), (Box{480 - 26 - 53, 26, 53, 53}));
  EXPECT_EQ(TitleFontHeight(24), 22);
  EXPECT_EQ(CentredOnScreen(1280, 501), 390);
}

TEST(WizardButtons, FirstGoesOnlyForwardLastBackOrFinish) {
  EXPECT_EQ(ButtonsFor(0), kNext);
  for (int page = 1; page < kFinishPage; ++page) EXPECT_EQ(ButtonsFor(page), kBack | kNext) << page;
  EXPECT_EQ(ButtonsFor(kFinishPage), kBack | kFinish);
}

TEST(LanguagePage, NamesFromFilesAndWhatIsStored) {
  EXPECT_EQ(LanguageName("RUSSIAN.LNG"), "Russian");
  EXPECT_EQ(LanguageName("german.lng"), "German");
  EXPECT_EQ(LanguageName(".lng"), "");
  EXPECT_EQ(StoredLanguageEntry("German.lng"), "German");
  EXPECT_EQ(StoredLanguageEntry("lng"), std::nullopt);
  EXPECT_EQ(LanguageFileFor(2, "German"), "German.lng");
  EXPECT_EQ(LanguageFileFor(0, "Default (English)"), std::nullopt);
  EXPECT_EQ(LanguageFileFor(1, ""), std::nullopt);
}

TEST(RecordFolderPage, FolderShownAndNameStoredOnLeaving) {
  const std::optional<std::string> present = "D:\\Rec\\Radio <hh>.mp3";
  EXPECT_EQ(FolderOf(*present), "D:\\Rec\\");
  EXPECT_EQ(FolderOf("nofolder.wav"), "");
  struct Row {
    const char* field;
    unsigned format;
    std::optional<std::string> present;
    std::optional<std::string> stored;
  };
  const std::string wav(kWavTemplate), mp3(kMp3Template);
  const Row rows[] = {
      {"E:\\Radio", 1, present, "E:\\Radio\\Radio <hh>.mp3"},
      {"E:\\Radio\\", 1, present, "E:\\Radio\\Radio <hh>.mp3"},
      {"E:\\Radio", 0, present, "E:\\Radio\\" + wav},  // Format missing reads as 0
      {"E:\\Radio", 1, std::nullopt, "E:\\Radio\\" + mp3},
      {"E:\\Radio", 1, "no folder.mp3", "E:\\Radio\\" + mp3},
      {"", 1, present, std::nullopt},
  };
  for (const Row& r : rows) EXPECT_EQ(RecordNameFor(r.field, r.format, r.present), r.stored) << r.field;
  const std::string longName = "C:\\" + std::string(300, 'x');
  EXPECT_EQ(RecordNameFor("D:\\", 1, longName)->size(), 3u + 259u);
}

TEST(RecordFolderPage, FreeSpaceIsRecomputedWhenTheDriveChanges) {
  FreeSpaceRule rule;
  EXPECT_TRUE(rule.Changed("C:\\"));
  EXPECT_FALSE(rule.Changed("C:\\Records"));
  EXPECT_TRUE(rule.Changed("D:\\"));
  EXPECT_TRUE(rule.Changed("D:"));  // a prefix shorter than three differs
  EXPECT_FALSE(rule.Changed("D:"));
}

TEST(RecordFolderPage, OnlyDriveFoldersAreQueried) {
  EXPECT_TRUE(IsDrivePath("C:\\"));
  EXPECT_TRUE(IsDrivePath("C:\\Records"));
  EXPECT_FALSE(IsDrivePath("\\\\server\\share"));
  EXPECT_FALSE(IsDrivePath("C:"));
  EXPECT_FALSE(IsDrivePath("Records"));
  EXPECT_EQ(MegabytesOf(5ull * kBytesPerMegabyte + 7), 5ul);
  EXPECT_EQ(MegabytesOf((1ull << 32) * kBytesPerMegabyte + 3 * kBytesPerMegabyte), 3ul);
}

TEST(FinishPage, OldWindowsRaisesAMissingOrSmallBlockSizeOnly) {
  const struct {
    std::optional<uint32_t> stored, written;
  } rows[] = {{std::nullopt, 4u}, {0u, 4u}, {2u, 4u}, {3u, std::nullopt}, {4u, std::nullopt}, {16u, std::nullopt}};
  for (const auto& row : rows) EXPECT_EQ(OldWindowsBlockSize(row.stored), row.written) << row.stored.value_or(-1);
}

TEST(Launchers, HelpParametersAndCommandLines) {
  EXPECT_EQ(HelpParameters("C:\\FM\\", "slines.html"), "\"C:\\FM\\KvHelp.chm::/slines.html\"");
  EXPECT_EQ(HelpParameters("C:\\FM\\", "Content"), "\"C:\\FM\\KvHelp.chm\"");
  EXPECT_EQ(CommandLine("KvSetup.exe", 's'), "KvSetup.exe s ");
  EXPECT_EQ(CommandLine("KvEngine.exe", 0), "KvEngine.exe ");
}

}  // namespace
}  // namespace wizard
