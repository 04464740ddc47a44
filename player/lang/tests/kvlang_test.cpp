// The language library through its exports: English defaults without a file,
// the chosen file's texts after a reload, defaults again for what it lacks.
#include <gtest/gtest.h>

#include <string>

#include "host/kv_ini.h"
#include "host/kv_lang.h"
#include "host/win_handle.h"
#include "tests/support/wintest.h"

namespace {

class KvLangTest : public testing::Test {
 protected:
  void TearDown() override {
    for (const auto& f : files_) DeleteFileA(f.c_str());
    KvIniSetString("KvLang", "FileName", nullptr);
    KvLangReload();
  }
  // Writes a language file into the program folder and chooses it.
  void Choose(const std::string& name, const std::string& content) {
    const std::string path = wintest::ExeFolder() + name;
    ASSERT_TRUE(wintest::WriteFileText(path, content));
    files_.push_back(path);
    KvIniSetString("KvLang", "FileName", name.c_str());
    KvLangReload();
  }
  std::string Unique(const char* stem) { return stem + std::to_string(GetCurrentProcessId()) + ".lng"; }

  wintest::IsolatedSettings settings_;
  std::vector<std::string> files_;
};

TEST_F(KvLangTest, DefaultsWithoutALanguageFile) {
  const char* def = "Exit";
  EXPECT_EQ(KvLangString("BTNEXIT", def), def);
  EXPECT_EQ(KvLangString(nullptr, def), def);
  EXPECT_EQ(KvLangString("BTNEXIT", nullptr), nullptr);
}

TEST_F(KvLangTest, ChosenFileReplacesDefaultsUntilTheNextReload) {
  Choose(Unique("german"), "; German texts\nBTNEXIT=Beenden\nWIZ_TITLE=Erster Start\\nSeite %lu\n");
  const char* exitText = KvLangString("BTNEXIT", "Exit");
  EXPECT_STREQ(exitText, "Beenden");
  EXPECT_STREQ(KvLangString("WIZ_TITLE", "First run"), "Erster Start\nSeite %lu");
  const char* def = "Mute";
  EXPECT_EQ(KvLangString("BTNMUTE", def), def);
  // The same pointer until a reload.
  EXPECT_EQ(KvLangString("BTNEXIT", "Exit"), exitText);

  KvIniSetString("KvLang", "FileName", nullptr);
  KvLangReload();
  EXPECT_STREQ(KvLangString("BTNEXIT", "Exit"), "Exit");
}

TEST_F(KvLangTest, UnreadableChoicesLeaveTheDefaults) {
  for (const char* name : {"missing-file.lng", "..\\escape.lng", "C:\\windows\\win.ini", ""}) {
    KvIniSetString("KvLang", "FileName", name);
    KvLangReload();
    EXPECT_STREQ(KvLangString("BTNEXIT", "Exit"), "Exit") << name;
  }
  // Binary rubbish with NUL bytes and no line ends.
  std::string junk(100000, '\0');
  for (size_t i = 0; i < junk.size(); ++i) junk[i] = static_cast<char>((i * 7919) % 251);
  Choose(Unique("junk"), junk);
  EXPECT_STREQ(KvLangString("BTNEXIT", "Exit"), "Exit");
}

TEST_F(KvLangTest, LargeFileIsServedWhole) {
  std::string content;
  for (int i = 0; i < 100000; ++i) content += "KEY_" + std::to_string(i) + "=Text " + std::to_string(i) + "\n";
  Choose(Unique("big"), content);
  EXPECT_STREQ(KvLangString("KEY_0", "x"), "Text 0");
  EXPECT_STREQ(KvLangString("KEY_99999", "x"), "Text 99999");
}

// The language library's test build, whose allocations fail on request.
struct FailingLanguage {
  kv::Library library{LoadLibraryA("KvLangProbe.dll")};
  decltype(&KvLangString) String = library.Export<decltype(String)>("KvLangString");
  decltype(&KvLangReload) Reload = library.Export<decltype(Reload)>("KvLangReload");
  void(KV_CALL* FailAllocations)(KvBool) = library.Export<decltype(FailAllocations)>("FailAllocations");

  bool complete() const { return String && Reload && FailAllocations; }
};

TEST_F(KvLangTest, RunningOutOfMemoryAnswersTheDefaultAndKeepsLoadedTexts) {
  Choose(Unique("french"), "BTNEXIT=Quitter\n");
  FailingLanguage language;
  ASSERT_TRUE(language.complete());
  const char* def = "Exit";

  language.FailAllocations(1);
  EXPECT_EQ(language.String("BTNEXIT", def), def);  // the file could not be loaded
  language.FailAllocations(0);
  const char* loaded = language.String("BTNEXIT", def);  // and is loaded at the next call
  EXPECT_STREQ(loaded, "Quitter");

  language.FailAllocations(1);
  language.Reload();
  language.FailAllocations(0);
  EXPECT_EQ(language.String("BTNEXIT", def), loaded);
}

}  // namespace
