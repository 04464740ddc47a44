// Recording file names from the stored template.
#include "player/engine/record_name.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

constexpr DateTime kWhen{2026, 3, 7, 9, 5, 2};

TEST(RecordName, FillsEveryPlaceholderWithLeadingZeros) {
  EXPECT_EQ(FillRecordName("C:\\Rec\\Rad <year>-<mon>-<dd> <hh>-<ii>-<ss>.wav", kWhen),
            "C:\\Rec\\Rad 2026-03-07 09-05-02.wav");
  EXPECT_EQ(FillRecordName("<ss><ss>x.wav", kWhen), "0202x.wav");
  EXPECT_EQ(FillRecordName("", kWhen), "Rad 2026-03-07 09-05-02.wav");
  EXPECT_EQ(FillRecordName("D:\\<year>\\<mon>\\a.wav", kWhen), "D:\\2026\\03\\a.wav");
}

TEST(RecordName, TheFileIsAlwaysAWav) {
  EXPECT_EQ(FillRecordName("C:\\Rec\\Rad <hh>.mp3", kWhen), "C:\\Rec\\Rad 09.wav");
  EXPECT_EQ(FillRecordName("C:\\Rec.d\\take", kWhen), "C:\\Rec.d\\take.wav");
  EXPECT_EQ(FillRecordName("C:\\Rec\\", kWhen), "C:\\Rec\\Rad.wav");
  EXPECT_EQ(FolderOf("C:\\Rec\\a.wav"), "C:\\Rec\\");
  EXPECT_EQ(FolderOf("a.wav"), "");
}

TEST(RecordName, LaterTriesAreNumberedBeforeTheExtension) {
  const struct {
    const char* path;
    uint32_t attempt;
    const char* expected;
  } cases[] = {
      {"C:\\Rec\\take.wav", 1, "C:\\Rec\\take.wav"},
      {"C:\\Rec\\take.wav", 2, "C:\\Rec\\take (2).wav"},
      {"C:\\Rec\\take.wav", 10, "C:\\Rec\\take (10).wav"},
      {"C:\\Rec.d\\take", 3, "C:\\Rec.d\\take (3)"},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberedRecordName(c.path, c.attempt), c.expected) << c.path << c.attempt;
}

}  // namespace
}  // namespace engine
