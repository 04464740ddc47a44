#include <gtest/gtest.h>

#include "host/fill_text.h"

namespace kv {
namespace {

// Translations are untrusted: only the one expected placeholder is filled,
// whatever else a language file puts around it.
TEST(FillText, FillsOnlyTheFirstExpectedPlaceholder) {
  struct Row {
    const char* text;
    const char* named;     // WithName(text, "V")
    const char* numbered;  // WithNumber(text, 4096)
  };
  const Row rows[] = {
      {"Close %s", "Close V", "Close %s"},
      {"Free space: %lu MB", "Free space: %lu MB", "Free space: 4096 MB"},
      {"%s %s %d", "V %s %d", "%s %s 4096"},
      {"%d %lu %s", "%d %lu V", "4096 %lu %s"},
      {"%n%s", "%nV", "%n%s"},
      {"100%% %s", "100% V", "100% %s"},
      {"%%s %%lu", "%s %lu", "%s %lu"},  // an escaped percent sign is no placeholder
      {"%5lu %ls", "%5lu %ls", "%5lu %ls"},
      {"Help %", "Help %", "Help %"},
      {"%", "%", "%"},
      {"", "", ""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.text);
    EXPECT_EQ(WithName(r.text, "V"), r.named);
    EXPECT_EQ(WithNumber(r.text, 4096), r.numbered);
  }
  EXPECT_EQ(WithNumber("%u", 4294967295ul), "4294967295");
  EXPECT_EQ(WithName("%s", "50%s"), "50%s") << "the value itself is never read as a text to fill";
}

}  // namespace
}  // namespace kv
