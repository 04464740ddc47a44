// The text lookup that native tests and tools use must give what the
// module gets from GetPrivateProfileStringA for the same description file.
#include "graphic/core/ini_text.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/wintest.h"

namespace {

std::string ProfileValue(const std::string& path, const char* section, const char* key, std::size_t maxChars) {
  std::vector<char> buffer(maxChars + 1, '\0');
  const DWORD n = GetPrivateProfileStringA(section, key, "", buffer.data(), static_cast<DWORD>(buffer.size()),
                                           path.c_str());
  return std::string(buffer.data(), n < buffer.size() ? n : maxChars);
}

TEST(IniTextProfile, AgreesWithTheProfileReader) {
  const std::string text =
      "; a comment\r\nstray=1\r\n[ One ]\r\n  Key  =  spaced value  \r\nq=\"quoted\"\r\ns='x'\r\n"
      "odd=\"a'\r\nbare\r\nlong=\"0123456789abcdefgh\"\r\n[one]\r\nKey=second section\r\n"
      "[Two]\r\nkey=first\r\nKEY=second\r\n[Unclosed\r\nk=v\r\n[Three] ; note\r\nkey=3\r\n"
      "[Four]]\r\nkey=4\r\n[]\r\nkey=5\r\n[General]\r\nWidth=300\r\nHeight = 120 \r\nEmpty=\r\n"
      "\tTabbed\t=\t\"  padded \"\t\r\n;Width=1\r\nColour=#FF8000 ; orange\r\nKey=a=b\r\n";
  const std::string path = wintest::TempFolder() + "profile.txt";
  ASSERT_TRUE(wintest::WriteFileText(path, text));
  const skin::IniText ini(text);

  struct Lookup {
    const char* section;
    const char* key;
    std::size_t maxChars;
  };
  const Lookup lookups[] = {
      {"One", "Key", 100},    {" One ", " Key ", 100}, {"ONE", "KEY", 6},      {"One", "q", 100},
      {"One", "s", 100},      {"One", "odd", 100},   {"One", "bare", 100},   {"One", "stray", 100},
      {"One", "long", 15},    {"One", "long", 100},  {"Two", "key", 100},    {"Two", "k", 100},
      {"Unclosed", "k", 100}, {"Three", "key", 100}, {"Four]", "key", 100},  {"Four", "key", 100},
      {"General", "width", 15}, {"General", "Height", 15}, {"General", "Empty", 15},
      {"General", "Missing", 15}, {"Five", "key", 100}, {"General", "Tabbed", 15},
      {"General", ";Width", 15},  {"General", "Colour", 15}, {"General", "Key", 15},
  };
  for (const Lookup& l : lookups)
    EXPECT_EQ(ini.Value(l.section, l.key, l.maxChars), ProfileValue(path, l.section, l.key, l.maxChars))
        << "[" << l.section << "] " << l.key << " (" << l.maxChars << ")";
}

}  // namespace
