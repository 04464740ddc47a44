// Every text the suite's programs ask for has its key in each language file
// shipped in the install folder, and keeps the placeholders and mark-up of
// its English default.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "graphic/core/language_texts.h"
#include "player/lang/lng_parser.h"
#include "wizard/language_keys.h"

namespace {

std::vector<kv::LangText> SuiteTexts() {
  std::vector<kv::LangText> all(vrx::kAllTexts.begin(), vrx::kAllTexts.end());
  const auto wizard = wizard::AllTexts();
  all.insert(all.end(), wizard.begin(), wizard.end());
  return all;
}

// The markers of placeholders and mark-up a translation must keep.
std::vector<std::string> Markers(const std::string& text) {
  std::vector<std::string> found;
  for (const char* marker : {"%lu", "%s", "\\b", "\\1"}) {
    size_t count = 0;
    for (size_t at = text.find(marker); at != std::string::npos; at = text.find(marker, at + 1)) ++count;
    found.push_back(std::string(marker) + " x" + std::to_string(count));
  }
  return found;
}

TEST(GermanLanguageFile, HasEveryKeyTheSuiteAsksForWithItsMarkers) {
  std::ifstream file(GERMAN_LNG, std::ios::binary);
  ASSERT_TRUE(file) << GERMAN_LNG;
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const lang::Table table = lang::ParseLng(bytes);
  for (const kv::LangText& text : SuiteTexts()) {
    const auto entry = table.find(text.key);
    ASSERT_NE(entry, table.end()) << "German.lng lacks " << text.key;
    EXPECT_NE(entry->second, text.english) << text.key << " is not translated";
    EXPECT_EQ(Markers(entry->second), Markers(text.english)) << text.key;
  }
}

}  // namespace
