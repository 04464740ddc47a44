// The module as a host runs it: Vrx.dll and VrxB.dll loaded by name in a
// staged copy of this program that sits in a folder like a player's, with
// settings isolated for each test.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <tuple>

#include "graphic/tests/module_host.h"
#include "host/engine_messages.h"
#include "host/records.h"
#include "tests/support/wait.h"
#include "tests/support/wintest.h"

using namespace vrxtest;
using namespace wintest;

namespace {

constexpr char kSection[] = "Vrx";
constexpr char kSectionB[] = "VrxB";
constexpr char kClass[] = "QorvVarix";
constexpr char kClassB[] = "QorvVarixB";
constexpr char kNoSkinBox[] = "Varix 2.39|A skin is not selected. Please select a skin in the settings.";

bool Topmost(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

}  // namespace

// ---- children, run in the staged host folder

WINTEST_CHILD(EndsWithoutAWord) {
  ModuleThread m(args.at(0).c_str());
  CHILD_CHECK(m.started());
  CHILD_CHECK(m.WaitEnd());
  m.ReportBoxes();
  CHILD_CHECK(m.closedBoxes.empty());
  CHILD_CHECK(FindWindowA(kClass, nullptr) == nullptr);
  return 0;
}

WINTEST_CHILD(ShowsNoSkin) {
  ModuleThread m("Vrx.dll");
  CHILD_CHECK(m.started());
  HWND box = m.WaitMessageBox();
  CHILD_CHECK(box != nullptr);
  const std::string content = MessageBoxContent(box);
  std::fprintf(stderr, "box: %s\n", content.c_str());
  CHILD_CHECK(content == kNoSkinBox);
  CloseMessageBox(box);
  CHILD_CHECK(m.WaitEnd());
  CHILD_CHECK(m.closedBoxes.empty());  // one box only, and no window
  return 0;
}

// args: dll, window class, width, height, title
WINTEST_CHILD(RunsTheSkin) {
  ModuleThread m(args.at(0).c_str());
  CHILD_CHECK(m.started());
  HWND window = m.WaitWindow(args.at(1).c_str());
  m.ReportBoxes();
  CHILD_CHECK(window != nullptr);
  const SIZE size = WindowSize(window);
  CHILD_CHECK(size.cx == std::stoi(args.at(2)) && size.cy == std::stoi(args.at(3)));
  CHILD_CHECK(WindowText(window) == args.at(4));
  PostMessageA(window, engine::kCloseModule, 0, 0);
  CHILD_CHECK(m.WaitEnd());
  CHILD_CHECK(m.closedBoxes.empty());
  CHILD_CHECK(!IsWindow(window));
  return 0;
}

// first.bmp is 40 x 30, second.bmp 60 x 20; Skin names first.bmp.
WINTEST_CHILD(Rebuilds) {
  ModuleThread m("Vrx.dll");
  HWND first = m.WaitWindow(kClass);
  CHILD_CHECK(first != nullptr);
  SetText(kSection, "Skin", "second.bmp");
  PostMessageA(first, engine::kSettingsChanged, 0, 0);
  HWND second = m.WaitWindow(kClass, first);
  CHILD_CHECK(second != nullptr);
  CHILD_CHECK(!IsWindow(first));
  CHILD_CHECK(WindowSize(second).cx == 60 && WindowSize(second).cy == 20);

  SetText(kSection, "Skin", "first.bmp");
  PostMessageA(second, RegisterWindowMessageA(engine::kEngineStartedName), 0, 0);
  HWND third = m.WaitWindow(kClass, second);
  CHILD_CHECK(third != nullptr);
  CHILD_CHECK(WindowSize(third).cx == 40 && WindowSize(third).cy == 30);

  // A system setting change, sent as the system sends it.
  SendMessageA(third, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>("intl"));
  HWND fifth = m.WaitWindow(kClass, third);
  CHILD_CHECK(fifth != nullptr);

  PostMessageA(fifth, engine::kCloseModule, 0, 0);
  CHILD_CHECK(m.WaitEnd());
  CHILD_CHECK(!IsWindow(fifth));
  CHILD_CHECK(m.closedBoxes.empty());
  return 0;
}

// Vrx with Flags 0, VrxB with Flags 1.
WINTEST_CHILD(SecondInstances) {
  ModuleThread first("Vrx.dll");
  ModuleThread firstB("VrxB.dll");
  HWND window = first.WaitWindow(kClass);
  HWND windowB = firstB.WaitWindow(kClassB);
  CHILD_CHECK(window != nullptr && windowB != nullptr);
  CHILD_CHECK(WindowText(windowB) == "Tavrin FM Player - Varix B 2.39");
  // Each second Activate brings its running window forward from behind the other.
  for (const auto& [dll, running, other] :
       {std::tuple{"Vrx.dll", window, windowB}, std::tuple{"VrxB.dll", windowB, window}}) {
    SetForegroundWindow(other);
    CHILD_CHECK(WaitUntil([other = other] { return GetForegroundWindow() == other; }));
    ModuleThread second(dll);
    CHILD_CHECK(second.WaitEnd());
    CHILD_CHECK(second.closedBoxes.empty());
    CHILD_CHECK(WaitUntil([running = running] { return GetForegroundWindow() == running; }));
  }
  CHILD_CHECK(!first.Finished() && !firstB.Finished());
  CHILD_CHECK(IsWindow(window) && IsWindow(windowB));
  CHILD_CHECK(!Topmost(window));  // brought forward only
  CHILD_CHECK(Topmost(windowB));  // Flags bit 0x01 keeps it on top
  PostMessageA(window, engine::kCloseModule, 0, 0);
  CHILD_CHECK(first.WaitEnd());
  CHILD_CHECK(!firstB.Finished());
  PostMessageA(windowB, engine::kCloseModule, 0, 0);
  CHILD_CHECK(firstB.WaitEnd());
  return 0;
}

// args: restarts
WINTEST_CHILD(RestartsWithoutLeaks) {
  ModuleThread m("VrxProbe.dll");
  CHILD_CHECK(m.started());
  using LiveFn = long(__cdecl*)();
  const auto live = reinterpret_cast<LiveFn>(GetProcAddress(m.dll(), "VrxLiveGdiObjects"));
  CHILD_CHECK(live != nullptr);
  HWND window = m.WaitWindow(kClass);
  CHILD_CHECK(window != nullptr);
  // Counted once the window has painted: its paint buffer is made then.
  CHILD_CHECK(m.WaitIdle());
  const long running = live();
  CHILD_CHECK(running >= 2);  // the skin bitmap and its DC at least
  const int restarts = std::stoi(args.at(0));
  for (int i = 0; i < restarts; ++i) {
    PostMessageA(window, engine::kSettingsChanged, 0, 0);
    HWND next = m.WaitWindow(kClass, window);
    CHILD_CHECK(next != nullptr);
    window = next;
    CHILD_CHECK(m.WaitIdle());
    if (live() != running) std::fprintf(stderr, "restart %d: %ld held, %ld expected\n", i, live(), running);
    CHILD_CHECK(live() == running);
  }
  PostMessageA(window, engine::kCloseModule, 0, 0);
  CHILD_CHECK(m.WaitEnd());
  CHILD_CHECK(live() == 0);
  return 0;
}

// The language file says "one" for both texts; the analyzer box of the
// first run reads it. args: path of the language file.
WINTEST_CHILD(ReloadsTheLanguage) {
  ModuleThread m("Vrx.dll");
  HWND box = m.WaitMessageBox();
  CHILD_CHECK(box != nullptr);
  CHILD_CHECK(MessageBoxContent(box) == "Varix 2.39|Analyzer one");
  CloseMessageBox(box);
  HWND window = m.WaitWindow(kClass);
  CHILD_CHECK(window != nullptr);
  // New texts take effect only through the reload of a rebuild.
  CHILD_CHECK(wintest::WriteFileText(args.at(0), "QUIRA_ANALYZER=Analyzer two\r\nNO_SKIN=No skin two\r\n"));
  SetText(kSection, "Skin", "");
  PostMessageA(window, engine::kSettingsChanged, 0, 0);
  box = m.WaitMessageBox();
  CHILD_CHECK(box != nullptr);
  const std::string content = MessageBoxContent(box);
  std::fprintf(stderr, "box: %s\n", content.c_str());
  CHILD_CHECK(content == "Varix 2.39|No skin two");
  CloseMessageBox(box);
  CHILD_CHECK(m.WaitEnd());
  return 0;
}

// ---- tests

TEST(VrxModule, GetInfoNamesEachVariant) {
  for (const auto& [dll, name] : {std::pair{"Vrx.dll", "Varix 2.39"}, std::pair{"VrxB.dll", "Varix B 2.39"}}) {
    HMODULE module = LoadLibraryA(dll);
    ASSERT_NE(module, nullptr) << dll;
    using GetInfoFn = ModuleInfo*(__cdecl*)(ModuleInfo*);
    const auto getInfo = reinterpret_cast<GetInfoFn>(GetProcAddress(module, "GetInfo"));
    ASSERT_NE(getInfo, nullptr);
    ModuleInfo info{-1, nullptr};
    EXPECT_EQ(getInfo(&info), &info);
    EXPECT_EQ(info.kind, kModuleGraphic);
    EXPECT_STREQ(info.name, name);
    EXPECT_EQ(getInfo(nullptr), nullptr);
    FreeLibrary(module);
  }
}

TEST(VrxModule, ReturnsAtOnceWithoutTheEngine) {
  wintest::IsolatedSettings settings;
  HostFolder host(false);
  ASSERT_TRUE(WriteSmallSkin(host.skinFolder(), "first.bmp", 40, 30));
  SetText(kSection, "Skin", "first.bmp");
  EXPECT_EQ(host.Run("EndsWithoutAWord", {"Vrx.dll"}), 0);
}

TEST(VrxModule, SkinNameOfThreeCharactersShowsNoSkin) {
  wintest::IsolatedSettings settings;
  HostFolder host(true);
  ASSERT_TRUE(WriteSmallSkin(host.skinFolder(), "bmp", 40, 30));
  SetText(kSection, "Skin", "bmp");
  EXPECT_EQ(host.Run("ShowsNoSkin"), 0);
  SetText(kSection, "Skin", "");
  EXPECT_EQ(host.Run("ShowsNoSkin"), 0);
}

TEST(VrxModule, SkinNameOfFourCharactersIsAccepted) {
  wintest::IsolatedSettings settings;
  HostFolder host(true);
  // The description is the name with its last three characters replaced.
  ASSERT_TRUE(WriteBitmap(host.skinFolder() + "abmp", 50, 25, RGB(1, 2, 3)));
  ASSERT_TRUE(wintest::WriteFileText(host.skinFolder() + "atxt", "[General]\r\nWidth=50\r\nHeight=25\r\n"));
  SetText(kSection, "Skin", "abmp");
  EXPECT_EQ(host.Run("RunsTheSkin", {"Vrx.dll", kClass, "50", "25", "Tavrin FM Player - Varix 2.39"}), 0);
}

TEST(VrxModule, PathLimitOf260Characters) {
  wintest::IsolatedSettings settings;
  HostFolder host(true);
  const std::string folder = host.skinFolder();
  // A path of 259 characters fits with its terminator; one of 260 does not.
  const std::size_t fits = 259 - folder.size();
  ASSERT_GT(fits, 8u);
  ASSERT_LT(fits, 250u);
  const std::string fitting = std::string(fits - 4, 'f') + ".bmp";
  const std::string tooLong = std::string(fits - 3, 'g') + ".bmp";
  ASSERT_TRUE(WriteSmallSkin(folder, fitting, 30, 20));
  ASSERT_TRUE(WriteSmallSkin(folder, tooLong, 30, 20));
  SetText(kSection, "Skin", fitting);
  EXPECT_EQ(host.Run("RunsTheSkin", {"Vrx.dll", kClass, "30", "20", "Tavrin FM Player - Varix 2.39"}), 0);
  SetText(kSection, "Skin", tooLong);
  EXPECT_EQ(host.Run("EndsWithoutAWord", {"Vrx.dll"}), 0);
}

TEST(VrxModule, BadBitmapOrDescriptionEndsSilently) {
  wintest::IsolatedSettings settings;
  HostFolder host(true);
  const std::string folder = host.skinFolder();
  ASSERT_TRUE(wintest::WriteFileText(folder + "broken.bmp", "BM this is no bitmap"));
  ASSERT_TRUE(wintest::WriteFileText(folder + "broken.txt", "[General]\r\nWidth=40\r\nHeight=30\r\n"));
  SetText(kSection, "Skin", "broken.bmp");
  EXPECT_EQ(host.Run("EndsWithoutAWord", {"Vrx.dll"}), 0);
  SetText(kSection, "Skin", "absent.bmp");
  EXPECT_EQ(host.Run("EndsWithoutAWord", {"Vrx.dll"}), 0);
  // A bitmap without a description: [General] fails, quietly without Debug.
  ASSERT_TRUE(WriteBitmap(folder + "lonely.bmp", 10, 10, RGB(0, 0, 0)));
  SetText(kSection, "Skin", "lonely.bmp");
  EXPECT_EQ(host.Run("EndsWithoutAWord", {"Vrx.dll"}), 0);
}

TEST(VrxModule, SettingsChangedRebuildsAndCloseEnds) {
  wintest::IsolatedSettings settings;
  HostFolder host(true);
  ASSERT_TRUE(WriteSmallSkin(host.skinFolder(), "first.bmp", 40, 30));
  ASSERT_TRUE(WriteSmallSkin(host.skinFolder(), "second.bmp", 60, 20));
  SetText(kSection, "Skin", "first.bmp");
  EXPECT_EQ(host.Run("Rebuilds"), 0);
}

TEST(VrxModule, SecondActivateReturnsWhileBothVariantsRun) {
  wintest::IsolatedSettings settings;
  HostFolder host(true);
  ASSERT_TRUE(WriteSmallSkin(host.skinFolder(), "first.bmp", 40, 30));
  ASSERT_TRUE(WriteSmallSkin(host.skinFolder(), "second.bmp", 60, 20));
  SetText(kSection, "Skin", "first.bmp");
  SetText(kSectionB, "Skin", "second.bmp");
  SetNumber(kSection, "Flags", 0);
  SetNumber(kSectionB, "Flags", 1);
  EXPECT_EQ(host.Run("SecondInstances"), 0);
}

TEST(VrxModule, NoGdiObjectLostAcrossRestarts) {
  wintest::IsolatedSettings settings;
  HostFolder host(true);
  ASSERT_TRUE(WriteSmallSkin(host.skinFolder(), "first.bmp", 40, 30));
  SetText(kSection, "Skin", "first.bmp");
  EXPECT_EQ(host.Run("RestartsWithoutLeaks", {"200"}), 0);
}

TEST(VrxModule, RebuildReloadsTheLanguage) {
  wintest::IsolatedSettings settings;
  HostFolder host(true);
  ASSERT_TRUE(WriteSmallSkin(host.skinFolder(), "first.bmp", 40, 30,
                             "[Spectrum]\r\nWindowX=0\r\nWindowY=0\r\nControlX=0\r\nControlY=0\r\n"
                             "ControlWidth=10\r\nControlHeight=10\r\nPeakHeight=1\r\nBands=2\r\n"));
  const std::string language = host.path() + "test.lng";
  ASSERT_TRUE(wintest::WriteFileText(language, "QUIRA_ANALYZER=Analyzer one\r\nNO_SKIN=No skin one\r\n"));
  SetText("KvLang", "FileName", "test.lng");
  SetText(kSection, "Skin", "first.bmp");
  SetAnalyzerActive(false);
  EXPECT_EQ(host.Run("ReloadsTheLanguage", {language}), 0);
}
