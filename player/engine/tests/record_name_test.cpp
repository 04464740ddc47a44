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

}  // namespace
}  // namespace engine
