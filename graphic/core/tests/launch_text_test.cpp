#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "graphic/core/command_line.h"
#include "graphic/core/label_geometry.h"
#include "graphic/core/skin_order.h"

namespace vrx {
namespace {

TEST(ExternalApplication, SplitsProgramAndParameters) {
  struct Row {
    const char* text;
    const char* program;
    const char* parameters;  // null: none
  };
  const Row rows[] = {
      {R"("C:\Program Files\Rec\rec.exe" -a)", R"(C:\Program Files\Rec\rec.exe)", "-a"},
      {"notepad.exe  notes.txt", "notepad.exe", "notes.txt"},
      {"player.exe", "player.exe", nullptr},
      {"player.exe   ", "player.exe", nullptr},
      {R"("quoted.exe")", "quoted.exe", nullptr},
      {R"("quoted.exe"x y)", "quoted.exe", "x y"},
      {R"("C:\never closed -a)", R"(C:\never closed -a)", nullptr},
      {"    ", "", nullptr},
      {"", "", nullptr},
      {R"(")", "", nullptr},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    const SplitCommand split = SplitExternalApplication(row.text);
    EXPECT_EQ(split.program, row.program);
    EXPECT_EQ(split.parameters.has_value(), row.parameters != nullptr);
    if (row.parameters && split.parameters) EXPECT_EQ(*split.parameters, row.parameters);
  }
}

TEST(LaunchText, CommandLinesAndTexts) {
  EXPECT_EQ(AlternativeModuleCommand("VrxB.dll"), R"(KvGUI.exe p "VrxB.dll")");
  EXPECT_EQ(HelpParameter(R"(C:\Player\)", "gui.html"), R"("C:\Player\KvHelp.chm::/gui.html")");
  EXPECT_EQ(HelpParameter(R"(C:\Player\)", "Content"), R"("C:\Player\KvHelp.chm")");
  EXPECT_EQ(TwoActionText("Exit", "Close"), "Exit\r\n+Shift: Close");
}

struct Folder {
  std::set<std::string> files;
  std::vector<std::string> entries() const {
    std::vector<std::string> out;
    for (const std::string& f : files) out.push_back(f.substr(f.find_last_of('\\') + 1));
    return out;
  }
  bool exists(const std::string& path) const { return files.count(path) != 0; }
};

std::optional<std::string> Next(const Folder& f, const std::string& current, bool backward) {
  return NextSkin(R"(C:\P\Varix\)", f.entries(), [&](const std::string& p) { return f.exists(p); },
                  std::string(R"(C:\P\Varix\)") + current, backward);
}

TEST(SkinOrder, WrapsBothWaysInCaseInsensitiveOrder) {
  Folder f{{R"(C:\P\Varix\a.bmp)", R"(C:\P\Varix\a.txt)", R"(C:\P\Varix\B.BMP)", R"(C:\P\Varix\B.txt)",
            R"(C:\P\Varix\c.bmp)", R"(C:\P\Varix\c.txt)", R"(C:\P\Varix\aa.bmp)", R"(C:\P\Varix\readme.txt)",
            R"(C:\P\Varix\bmp)", R"(C:\P\Varix\.bmp)"}};
  struct Row {
    const char* current;
    bool backward;
    const char* chosen;
  };
  const Row rows[] = {
      {"b.txt", false, "c.bmp"},  // the current skin found whatever its case
      {"b.txt", true, "a.bmp"},
      {"c.txt", false, "a.bmp"},
      {"a.txt", true, "c.bmp"},
      {"gone.txt", false, "a.bmp"},  // aa.bmp has no description: never chosen
      {"gone.txt", true, "a.bmp"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.current) + (row.backward ? " backward" : " forward"));
    EXPECT_EQ(Next(f, row.current, row.backward), std::optional<std::string>(row.chosen));
  }
}

TEST(SkinOrder, NoCompleteSkinOrOnlyNamesTooLong) {
  EXPECT_EQ(Next(Folder{{R"(C:\P\Varix\a.bmp)", R"(C:\P\Varix\b.txt)"}}, "b.txt", false), std::nullopt);
  const std::string longName(260, 'x');
  Folder f{{R"(C:\P\Varix\)" + longName + ".bmp", R"(C:\P\Varix\)" + longName + ".txt"}};
  EXPECT_EQ(Next(f, "a.txt", false), std::nullopt);
  // Thousands of skins: one pass, the order still holds.
  Folder many;
  for (int i = 0; i < 3000; ++i) {
    const std::string stem = R"(C:\P\Varix\s)" + std::to_string(10000 + i);
    many.files.insert(stem + ".bmp");
    many.files.insert(stem + ".txt");
  }
  EXPECT_EQ(Next(many, "s12999.txt", false), std::optional<std::string>("s10000.bmp"));
}

TEST(LabelGeometry, UprightAndTurnedLabelsAreCentred) {
  const TextAngle upright = AngleOf(0);
  EXPECT_EQ(upright.sine, 0.0);
  EXPECT_EQ(upright.cosine, 1.0);
  LabelOrigin at = PlaceLabel(40, 20, 25, 13, upright);
  EXPECT_EQ(at.x, 7);
  EXPECT_EQ(at.y, 3);
  // A quarter turn counter-clockwise: the text runs upward from its origin at
  // the bottom of its box.
  at = PlaceLabel(20, 40, 25, 13, AngleOf(900));
  EXPECT_EQ(at.x, 3);            // (20 - 13) / 2
  EXPECT_EQ(at.y, 7 + 25);       // (40 - 25) / 2 rounded toward zero, raised by the text's width
  // Wider than the button: the text starts left of it, still centred.
  at = PlaceLabel(10, 10, 15, 12, upright);
  EXPECT_EQ(at.x, -2);
  EXPECT_EQ(at.y, -1);
}

}  // namespace
}  // namespace vrx
