// The suite's shipped skins, run by the module as a host runs it, with the
// description's Debug switched on.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "graphic/tests/module_host.h"
#include "host/engine_messages.h"
#include "tests/support/wait.h"
#include "tests/support/wintest.h"

using namespace vrxtest;
using namespace wintest;

namespace {

constexpr char kSection[] = "Vrx";
constexpr char kClass[] = "QorvVarix";
constexpr char kAnalyzerBox[] =
    "Varix 2.39|The Sound Analyzer plug-in isn't active. You can activate the module in the settings.";

}  // namespace

// args: window class, width, height, description path, debug boxes expected
// (-1 for any number), analyzer boxes expected. Runs a shipped skin with its
// Debug set: every debug box must name a section that the description does
// not hold, by its first key; nothing that the description holds may fail.
WINTEST_CHILD(SkinBoxes) {
  ModuleThread m("Vrx.dll");
  CHILD_CHECK(m.started());
  const std::string description = args.at(3);
  int debugBoxes = 0, analyzerBoxes = 0;
  // Every box is answered as it comes; a box that breaks the rules ends the
  // wait with its line.
  int fault = 0;
  const auto answer = [&](const std::string& content) {
    if (content == kAnalyzerBox) {
      ++analyzerBoxes;
      return 0;
    }
    const std::size_t open = content.find('['), close = content.find(']');
    CHILD_CHECK(content.rfind("Varix 2.39|Skin debug message.", 0) == 0);
    CHILD_CHECK(open != std::string::npos && close != std::string::npos);
    const std::string section = content.substr(open + 1, close - open - 1);
    const std::string key = content.substr(close + 1);
    char keys[4096];
    const DWORD held = GetPrivateProfileSectionA(section.c_str(), keys, sizeof keys, description.c_str());
    if (held != 0 || (key.find("WindowX") == std::string::npos && key.find("WindowUpX") == std::string::npos))
      std::fprintf(stderr, "a section of the skin fails: %s\n", content.c_str());
    CHILD_CHECK(held == 0);
    ++debugBoxes;
    return 0;
  };
  HWND window = nullptr;
  WaitUntil(
      [&] {
        if (HWND box = m.MessageBoxNow()) {
          const std::string content = MessageBoxContent(box);
          CloseMessageBox(box);
          fault = answer(content);
        }
        window = ThreadWindow(m.threadId(), args.at(0).c_str());
        return fault || window || m.Finished();
      },
      60000);
  CHILD_CHECK(fault == 0);
  std::fprintf(stderr, "%d debug boxes, %d analyzer boxes\n", debugBoxes, analyzerBoxes);
  CHILD_CHECK(window != nullptr);
  CHILD_CHECK(WindowSize(window).cx == std::stoi(args.at(1)) && WindowSize(window).cy == std::stoi(args.at(2)));
  CHILD_CHECK(args.at(4) == "-1" || debugBoxes == std::stoi(args.at(4)));
  CHILD_CHECK(analyzerBoxes == std::stoi(args.at(5)));
  PostMessageA(window, engine::kCloseModule, 0, 0);
  CHILD_CHECK(m.WaitEnd());
  m.ReportBoxes();
  CHILD_CHECK(m.closedBoxes.empty());
  return 0;
}

// The shipped skins, staged from the install folder with Debug switched on.
static std::string StageShippedSkin(const HostFolder& host, const std::string& name) {
  const std::string from = wintest::InstallFolder() + "Varix\\" + name;
  const std::string to = host.skinFolder() + name;
  CopyFileA((from + ".bmp").c_str(), (to + ".bmp").c_str(), FALSE);
  CopyFileA((from + ".txt").c_str(), (to + ".txt").c_str(), FALSE);
  WritePrivateProfileStringA("General", "Debug", "1", (to + ".txt").c_str());
  return to + ".txt";
}

TEST(VrxModule, ShippedSkinsFailNoSectionTheyHold) {
  wintest::IsolatedSettings settings;
  HostFolder host(true);
  const std::string nightfall = StageShippedSkin(host, "Nightfall");
  const std::string daylight = StageShippedSkin(host, "Daylight");
  SetAnalyzerActive(true);
  SetText(kSection, "Skin", "Nightfall.bmp");
  // Ten bands: the eleventh band section, left out, ends the panel and is
  // the only one reported.
  EXPECT_EQ(host.Run("SkinBoxes", {kClass, "560", "250", nightfall, "1", "0"}), 0);
  SetText(kSection, "Skin", "Daylight.bmp");
  EXPECT_EQ(host.Run("SkinBoxes", {kClass, "340", "124", daylight, "-1", "0"}), 0);
  // Without the analyzer among the active filters the spectrum is left out
  // after telling the user.
  SetAnalyzerActive(false);
  SetText(kSection, "Skin", "Nightfall.bmp");
  EXPECT_EQ(host.Run("SkinBoxes", {kClass, "560", "250", nightfall, "1", "1"}), 0);
}

