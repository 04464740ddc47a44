#include "auxui/markup.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<TextMark> Marks(const char* kinds) {
  std::vector<TextMark> marks;
  for (const char* k = kinds; *k; ++k) marks.push_back({77, 77, *k});
  return marks;
}

void ExpectRegion(const TextMark& m, int32_t start, int32_t length) {
  EXPECT_EQ(m.start, start) << "kind " << m.kind;
  EXPECT_EQ(m.length, length) << "kind " << m.kind;
}

}  // namespace

TEST(Markup, BoldBeforeALink) {
  auto marks = Marks("b1");
  EXPECT_EQ(ApplyMarkup("\\bAB\\b\\1CD\\1", marks.data(), marks.size()), "ABCD");
  ExpectRegion(marks[0], 0, 2);
  ExpectRegion(marks[1], 2, 2);
}

TEST(Markup, ALinkInsideBoldKeepsBothRegionsOnTheirCharacters) {
  auto marks = Marks("b1");
  EXPECT_EQ(ApplyMarkup("\\bA\\1B\\1C\\b", marks.data(), marks.size()), "ABC");
  ExpectRegion(marks[0], 0, 3);
  ExpectRegion(marks[1], 1, 1);

  // The later mark lies before the earlier region, which moves back.
  marks = Marks("b1");
  EXPECT_EQ(ApplyMarkup("see \\1this topic\\1 or \\bthat\\b", marks.data(), marks.size()), "see this topic or that");
  ExpectRegion(marks[0], 18, 4);
  ExpectRegion(marks[1], 4, 10);
}

TEST(Markup, MarkersAtTheEdgesOfAnEarlierRegionNeverMakeItNegative) {
  auto marks = Marks("b1");
  EXPECT_EQ(ApplyMarkup("\\b\\1X\\1\\b", marks.data(), marks.size()), "X");
  ExpectRegion(marks[0], 0, 1);
  ExpectRegion(marks[1], 0, 1);

  marks = Marks("b1");
  EXPECT_EQ(ApplyMarkup("\\bA\\1B\\b\\1", marks.data(), marks.size()), "AB");
  ExpectRegion(marks[0], 0, 2);
  ExpectRegion(marks[1], 1, 1);
}

TEST(Markup, SecondMarkOfAKindTakesTheSecondPair) {
  auto marks = Marks("11");
  EXPECT_EQ(ApplyMarkup("\\1one\\1 and \\1two\\1", marks.data(), marks.size()), "one and two");
  ExpectRegion(marks[0], 0, 3);
  ExpectRegion(marks[1], 8, 3);

  marks = Marks("bb");
  EXPECT_EQ(ApplyMarkup("\\bonly\\b", marks.data(), marks.size()), "only");
  ExpectRegion(marks[0], 0, 4);
  ExpectRegion(marks[1], -1, 0);
}

TEST(Markup, UnpairedAndMissingMarkersLeaveTheRestAlone) {
  auto marks = Marks("b1");
  EXPECT_EQ(ApplyMarkup("plain text", marks.data(), marks.size()), "plain text");
  ExpectRegion(marks[0], -1, 0);
  ExpectRegion(marks[1], -1, 0);

  marks = Marks("b");
  EXPECT_EQ(ApplyMarkup("\\bWelcome to Tavrin FM Player!", marks.data(), marks.size()),
            "Welcome to Tavrin FM Player!");
  ExpectRegion(marks[0], 0, 0);

  // Any kind but 'b' is a link kind of its own; other backslashes stay.
  marks = Marks("2");
  EXPECT_EQ(ApplyMarkup("C:\\x \\2y\\2 \\", marks.data(), marks.size()), "C:\\x y \\");
  ExpectRegion(marks[0], 5, 1);

  marks = Marks("b");
  EXPECT_EQ(ApplyMarkup("", marks.data(), marks.size()), "");
  ExpectRegion(marks[0], -1, 0);
}

TEST(Markup, NoMarksAtAll) {
  EXPECT_EQ(ApplyMarkup("\\bkept\\b", nullptr, 0), "\\bkept\\b");
  EXPECT_EQ(ApplyMarkup("\\bkept\\b", nullptr, 5), "\\bkept\\b");
  TextMark unused{1, 2, 'b'};
  EXPECT_EQ(ApplyMarkup("\\bkept\\b", &unused, 0), "\\bkept\\b");
  ExpectRegion(unused, 1, 2);
}

// Positions are those of the rich edit, which holds every line break as one
// character; the shown text keeps its bytes.
TEST(Markup, LineBreaksCountAsOneCharacterEach) {
  struct Row {
    const char* text;
    int32_t boldStart, boldLength, linkStart, linkLength;
  };
  const Row rows[] = {
      {"\\bHead\\b\r\nsee \\1this topic\\1", 0, 4, 9, 10},
      {"\\bHead\\b\nsee \\1this topic\\1", 0, 4, 9, 10},
      {"\\bHead\\b\rsee \\1this topic\\1", 0, 4, 9, 10},
      {"\\bHead\\b\r\r\nsee \\1this topic\\1", 0, 4, 9, 10},
      {"\\bHead\\b\n\rsee \\1this topic\\1", 0, 4, 10, 10},
      {"a\r\n\r\n\\bb\r\nc\\b\r\n\\1d\\1", 3, 3, 7, 1},
      {"\\bx\r\\b\\1\ny\\1", 0, 2, 2, 1},  // a region starting inside a break starts after it
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::PrintToString(std::string(row.text)));
    auto marks = Marks("b1");
    const std::string shown = ApplyMarkup(row.text, marks.data(), marks.size());
    EXPECT_EQ(shown.find('\\'), std::string::npos);
    ExpectRegion(marks[0], row.boldStart, row.boldLength);
    ExpectRegion(marks[1], row.linkStart, row.linkLength);
  }
}
