#include "player/lang/lng_parser.h"

#include <gtest/gtest.h>

using lang::ParseLng;

TEST(LngParser, KeysTextsAndEscapes) {
  const auto t = ParseLng(
      "\xEF\xBB\xBF; comment\r\n"
      "  # another comment\n"
      "\n"
      "BTNEXIT=Exit\r\n"
      "  WIZ_TITLE  = First run\n"
      "MULTI=Line one\\nLine two\\tTabbed \\\\ back \\q kept\\\n"
      "EMPTY=\n"
      "EQ=a=b\n");
  EXPECT_EQ(t.size(), 5u);
  EXPECT_EQ(t.at("BTNEXIT"), "Exit");
  EXPECT_EQ(t.at("WIZ_TITLE"), " First run");  // the text is taken as it stands
  EXPECT_EQ(t.at("MULTI"), "Line one\nLine two\tTabbed \\ back \\q kept\\");
  EXPECT_EQ(t.at("EMPTY"), "");
  EXPECT_EQ(t.at("EQ"), "a=b");
}

TEST(LngParser, UnreadableLinesAreSkipped) {
  const std::string bytes = std::string("GOOD=1\nno equals sign\n=no key\nBAD KEY=x\nNUL=a") + '\0' +
                            "b\nLAST=2";  // no final line end
  const auto t = ParseLng(bytes);
  EXPECT_EQ(t.size(), 2u);
  EXPECT_EQ(t.at("GOOD"), "1");
  EXPECT_EQ(t.at("LAST"), "2");
}

TEST(LngParser, LaterLinesReplaceEarlierOnesAndKeysAreCaseSensitive) {
  const auto t = ParseLng("KEY=one\nkey=lower\nKEY=two\n");
  EXPECT_EQ(t.at("KEY"), "two");
  EXPECT_EQ(t.at("key"), "lower");
}

TEST(LngParser, EmptyInputs) {
  EXPECT_TRUE(ParseLng("").empty());
  EXPECT_TRUE(ParseLng("\xEF\xBB\xBF").empty());
  EXPECT_TRUE(ParseLng("\n\n\r\n").empty());
}
