#include "auxui/filter_list.h"

#include <gtest/gtest.h>

#include "auxui/tests/stored_bytes.h"

TEST(FilterList, NamesMatchWholeAndIgnoringCase) {
  const Bytes stored = NamesBytes({"Prismo.dll", "Tonal10.dll"});
  EXPECT_TRUE(IsFilterListed(stored, "Prismo.dll"));
  EXPECT_TRUE(IsFilterListed(stored, "tonal10.DLL"));
  EXPECT_FALSE(IsFilterListed(stored, "Tonal10"));
  EXPECT_FALSE(IsFilterListed(stored, "Tonal10.dll2"));
  EXPECT_FALSE(IsFilterListed(stored, "Tonal31.dll"));
  EXPECT_FALSE(IsFilterListed(stored, ""));
}

TEST(FilterList, BytesAfterTheLastNulFormNoName) {
  Bytes stored = NamesBytes({"Prismo.dll"});
  const std::string tail = "Tonal31.dll";
  stored.insert(stored.end(), tail.begin(), tail.end());
  EXPECT_TRUE(IsFilterListed(stored, "Prismo.dll"));
  EXPECT_FALSE(IsFilterListed(stored, "Tonal31.dll"));
  EXPECT_FALSE(IsFilterListed({}, "Prismo.dll"));
}

TEST(FilterList, EmptyEntriesAreSkipped) {
  const Bytes stored = NamesBytes({"", "", "Tonal31.dll", ""});
  EXPECT_TRUE(IsFilterListed(stored, "TONAL31.DLL"));
  EXPECT_FALSE(IsFilterListed(stored, ""));
}
