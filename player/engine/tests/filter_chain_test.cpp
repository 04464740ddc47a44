// The filter chain: list order, the block each plug-in sees, plug-ins that
// fail a block, and when they are told to clean up.
#include "player/engine/filter_chain.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace engine {
namespace {

class ScriptedPlugin : public FilterPlugin {
 public:
  std::function<int32_t(FilterBlock*)> onFilter;
  int cleanups = 0;
  std::vector<FilterBlock> seen;
  int32_t Filter2(FilterBlock* b) override {
    seen.push_back(*b);
    return onFilter ? onFilter(b) : kFilterOk;
  }
  void Cleanup() override { ++cleanups; }
};

int16_t* Samples(FilterBlock* b) { return reinterpret_cast<int16_t*>(b->data + kPcmHeaderSize); }

TEST(FilterChain, EachPluginGetsAPcmBlockInListOrder) {
  FilterChain chain(4);
  ScriptedPlugin doubler, adder;
  doubler.onFilter = [](FilterBlock* b) {
    for (int i = 0; i < 8; ++i) Samples(b)[i] = static_cast<int16_t>(Samples(b)[i] * 2);
    return kFilterOk;
  };
  adder.onFilter = [](FilterBlock* b) {
    for (int i = 0; i < 8; ++i) Samples(b)[i] = static_cast<int16_t>(Samples(b)[i] + 1);
    return kFilterOk;
  };
  int16_t frames[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  chain.Run({&doubler, &adder}, frames);
  EXPECT_EQ(frames[0], 3);
  EXPECT_EQ(frames[7], 17) << "doubled first, then one added";

  const FilterBlock& b = doubler.seen.at(0);
  EXPECT_STREQ(b.formatName, "PCM");
  EXPECT_EQ(b.dataSize, 16u + 4 * 4);
  PcmHeader h;
  std::memcpy(&h, b.data, sizeof h);
  EXPECT_EQ(h.formatTag, 1);
  EXPECT_EQ(h.channels, 2);
  EXPECT_EQ(h.samplesPerSec, 44100u);
  EXPECT_EQ(h.avgBytesPerSec, 176400u);
  EXPECT_EQ(h.blockAlign, 4);
  EXPECT_EQ(h.bitsPerSample, 16);
  EXPECT_EQ(chain.blocksRun(), 1u);
}

TEST(FilterChain, APluginThatFailsABlockIsSkippedForIt) {
  FilterChain chain(2);
  ScriptedPlugin broken, next;
  broken.onFilter = [](FilterBlock* b) {
    Samples(b)[0] = 9999;  // scribbles, then refuses
    std::memset(b->data, 0, kPcmHeaderSize);
    std::strcpy(b->formatName, "junk");
    b->dataSize = 1;
    return kFilterRefused;
  };
  int16_t frames[4] = {10, 20, 30, 40};
  chain.Run({&broken, &next}, frames);
  EXPECT_EQ(frames[0], 10) << "the refused block's changes are undone";
  ASSERT_EQ(next.seen.size(), 1u);
  EXPECT_STREQ(next.seen[0].formatName, "PCM");
  EXPECT_EQ(next.seen[0].dataSize, 16u + 8);
  EXPECT_EQ(reinterpret_cast<const PcmHeader*>(next.seen[0].data)->channels, 2);
  EXPECT_EQ(chain.refusals(), 1u);

  // The next block goes to the broken plug-in again.
  broken.onFilter = nullptr;
  chain.Run({&broken, &next}, frames);
  EXPECT_EQ(broken.seen.size(), 2u);
  EXPECT_EQ(chain.refusals(), 1u);
}

TEST(FilterChain, CleanupOnlyAfterUseAndOnce) {
  FilterChain chain(2);
  ScriptedPlugin analyzer;
  chain.Stop({&analyzer});
  EXPECT_EQ(analyzer.cleanups, 0) << "never used";
  int16_t frames[4] = {};
  chain.Run({&analyzer}, frames);
  chain.Stop({&analyzer});
  chain.Stop({&analyzer});
  EXPECT_EQ(analyzer.cleanups, 1);
  chain.Run({}, frames);
  chain.Stop({&analyzer});
  EXPECT_EQ(analyzer.cleanups, 1) << "an empty list uses nothing";
}

}  // namespace
}  // namespace engine
