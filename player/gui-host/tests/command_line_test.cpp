// The host program's two command lines, and what it refuses.
#include "player/gui-host/command_line.h"

#include <gtest/gtest.h>

namespace guihost {
namespace {

TEST(CommandLine, RunsAModuleOfTheProgramFolderOnly) {
  EXPECT_EQ(ParseCommand({"p", "Vrx.dll"}).run->module, "Vrx.dll");
  EXPECT_EQ(ParseCommand({"P", "VrxB.dll", "extra"}).run->module, "VrxB.dll");
  for (const char* bad : {"", "..", "C:\\Vrx.dll", "..\\Vrx.dll", "sub/Vrx.dll", "D:Vrx.dll"})
    EXPECT_FALSE(ParseCommand({"p", bad}).run) << bad;
  EXPECT_FALSE(ParseCommand({"p"}).run);
  EXPECT_FALSE(ParseCommand({}).run);
  EXPECT_FALSE(ParseCommand({"px", "Vrx.dll"}).run);
  EXPECT_FALSE(ParseCommand({"x", "Vrx.dll"}).menu);
}

TEST(CommandLine, MenuTakesItsNumberNameAndArgument) {
  const Command c = ParseCommand({"m", "3", "Varix 2.39", "the argument"});
  ASSERT_TRUE(c.menu);
  EXPECT_EQ(c.menu->number, 3u);
  EXPECT_EQ(c.menu->moduleName, "Varix 2.39");
  EXPECT_EQ(c.menu->argument, "the argument");
  EXPECT_FALSE(c.run);
  const Command bare = ParseCommand({"m"});
  ASSERT_TRUE(bare.menu);
  EXPECT_EQ(bare.menu->number, 0u);
  EXPECT_EQ(ParseCommand({"m", "junk"}).menu->number, 0u);
}

}  // namespace
}  // namespace guihost
