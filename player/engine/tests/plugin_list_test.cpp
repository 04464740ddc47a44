// The filter list as the engine loads it, and the block length setting.
#include "player/engine/plugin_list.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

std::vector<uint8_t> Bytes(const std::string& s) { return {s.begin(), s.end()}; }

TEST(PluginList, NamesInOrderWithoutRepeatsOrPaths) {
  using Names = std::vector<std::string>;
  EXPECT_EQ(PluginNames(Bytes(std::string("Prismo.dll\0Tonal10.dll\0", 23))), (Names{"Prismo.dll", "Tonal10.dll"}));
  EXPECT_EQ(PluginNames(Bytes(std::string("Tonal10.dll\0\0PRISMO.DLL\0prismo.dll\0", 35))),
            (Names{"Tonal10.dll", "PRISMO.DLL"}));
  EXPECT_EQ(PluginNames(Bytes(std::string("..\\evil.dll\0C:\\x.dll\0sub/y.dll\0..\0ok.dll\0tail", 45))),
            (Names{"ok.dll"}));
  EXPECT_TRUE(PluginNames({}).empty());
  EXPECT_TRUE(PluginNames(Bytes("NoTerminator.dll")).empty());
}

TEST(PluginList, BlockLength) {
  EXPECT_EQ(BlockFrames(0), 2048u);
  EXPECT_EQ(BlockFrames(1), 1024u);
  EXPECT_EQ(BlockFrames(4), 4096u);
  EXPECT_EQ(BlockFrames(0xFFFFFFFF), 16u * 1024);
}

}  // namespace
}  // namespace engine
