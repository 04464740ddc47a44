#include "auxui/pe_version.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "auxui/tests/pe_image.h"

namespace {

uint32_t VersionOf(const std::vector<uint8_t>& file) {
  MemoryFileBytes bytes(file);
  return ReadEngineVersion(bytes);
}

}  // namespace

TEST(PeVersion, MinorImageVersionGivesTheEngineVersion) {
  for (uint16_t minor = 0; minor <= 5; ++minor) EXPECT_EQ(VersionOf(PeImage(minor)), minor + 1u) << minor;
  EXPECT_EQ(VersionOf(PeImage(6)), 0u);
  EXPECT_EQ(VersionOf(PeImage(0xFFFF)), 0u);
  // Only the minor version counts; the header may sit anywhere after the stub.
  EXPECT_EQ(VersionOf(PeImage(2, 0x200)), 3u);
  EXPECT_EQ(VersionOf(PeImage(2, 0)), 3u);  // overlapping the MS-DOS header
}

TEST(PeVersion, ShortFilesGiveNoVersion) {
  EXPECT_EQ(VersionOf({}), 0u);
  EXPECT_EQ(VersionOf(std::vector<uint8_t>(kDosHeaderSize - 1)), 0u);
  std::vector<uint8_t> file = PeImage(3);
  EXPECT_EQ(VersionOf(file), 4u);
  file.pop_back();  // the optional header one byte short
  EXPECT_EQ(VersionOf(file), 0u);
}

TEST(PeVersion, HeaderOffsetsPastTheEndGiveNoVersion) {
  for (uint32_t offset : {0x10000u, 0xFFFFFFFFu, 0xFFFFFFFFu - 100, 0x80000000u, 0xFFFFFF00u}) {
    std::vector<uint8_t> file = PeImage(1);
    std::memcpy(file.data() + kPeHeaderOffsetAt, &offset, 4);
    EXPECT_EQ(VersionOf(file), 0u) << offset;
  }
}
