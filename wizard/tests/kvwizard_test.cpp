// KvWizard.exe as a user meets it: a real process started from a folder of
// its own, its sheet driven from here with PSM_PRESSBUTTON, its controls and
// the settings it writes read back. KvEngine.exe and KvSetup.exe beside it
// are stand-ins that record their command lines.
#include <windows.h>
#include <commctrl.h>
#include <mmsystem.h>
#include <tlhelp32.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "host/settings.h"
#include "host/kv_ini.h"
#include "host/win_handle.h"
#include "tests/support/wait.h"
#include "tests/support/windows_found.h"
#include "tests/support/wintest.h"
#include "wizard/language_keys.h"
#include "wizard/page_rules.h"
#include "wizard/resource_ids.h"
#include "wizard/sound_lines.h"
#include "wizard/tests/test_tuner_settings.h"
#include "wizard/tuner_rules.h"
#include "wizard/wizard_layout.h"

namespace {

using wintest::WaitUntil;

// The sheet's own buttons, as the common controls number them.
constexpr int kBackButton = 0x3023;
constexpr int kNextButton = 0x3024;
constexpr int kFinishButton = 0x3025;
constexpr char kDialogClass[] = "#32770";
constexpr int kSoundPage = 1;
constexpr int kTunerPage = 2;
constexpr int kRecordPage = 3;
constexpr int kFinishPage = wizard::kFinishPage;
constexpr DWORD kExitMs = 20000;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
// An edit control's text: GetWindowText would give another process's edit
// control its caption, not its contents.
std::string EditText(HWND edit) {
  char text[MAX_PATH] = {};
  SendMessageA(edit, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}
bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The language file's text for a key, as the wizard shows it.
std::string GermanText(const char* key) {
  const std::string bytes = ReadFile(wintest::InstallFolder() + "German.lng");
  const std::string start = std::string(key) + "=";
  const size_t at = bytes.find("\n" + start);
  if (at == std::string::npos) return {};
  const size_t from = at + 1 + start.size();
  std::string text = bytes.substr(from, bytes.find_first_of("\r\n", from) - from);
  for (size_t n = text.find("\\n"); n != std::string::npos; n = text.find("\\n", n)) text.replace(n, 2, 1, '\n');
  return text;
}

// A folder with KvWizard.exe, German.lng and, unless left out, the two
// recording stand-ins as KvEngine.exe and KvSetup.exe. With a sound system
// description the wizard is its test build, which reads it beside itself.
std::string WizardFolder(const std::string& name, bool withPrograms, const char* soundSystem = nullptr) {
  const std::string folder = wintest::TempFolder() + name + "\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string wizard =
      soundSystem ? wintest::ExeFolder() + "KvWizardScripted.exe" : wintest::InstallFolder() + "KvWizard.exe";
  CopyFileA(wizard.c_str(), (folder + "KvWizard.exe").c_str(), FALSE);
  if (soundSystem) std::ofstream(folder + "SoundSystem.txt", std::ios::binary) << soundSystem;
  CopyFileA((wintest::InstallFolder() + "German.lng").c_str(), (folder + "German.lng").c_str(), FALSE);
  if (withPrograms)
    for (const char* program : {"KvEngine.exe", "KvSetup.exe"})
      CopyFileA((wintest::ExeFolder() + "launch_recorder.exe").c_str(), (folder + program).c_str(), FALSE);
  return folder;
}

// A drop-down list of another process: its entries and its selection. The
// page's lists are Unicode windows, whose entries Wine hands across
// processes to an ANSI CB_GETLBTEXT unconverted, so they are read wide.
std::vector<std::string> Entries(HWND list) {
  std::vector<std::string> entries;
  const LRESULT count = SendMessageA(list, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    wchar_t wide[MAX_PATH] = {};
    // A longer entry would overrun the buffer: it reads as empty.
    if (SendMessageW(list, CB_GETLBTEXTLEN, i, 0) < MAX_PATH)
      SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(wide));
    char text[MAX_PATH] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    entries.emplace_back(text);
  }
  return entries;
}
int Selected(HWND list) { return static_cast<int>(SendMessageA(list, CB_GETCURSEL, 0, 0)); }
std::string SelectedEntry(HWND list) {
  const auto entries = Entries(list);
  const int at = Selected(list);
  return at >= 0 && at < static_cast<int>(entries.size()) ? entries[at] : std::string("<none>");
}
std::optional<uint32_t> Lines(const char* key) { return kv::ReadDword(wizard::kLinesSection, key); }

// A wizard folder that also holds the test tuner modules and their
// neighbours: a filter, libraries without GetInfo or refusing to load, a
// file that is no library at all, and the suite's own DLLs.
std::string TunerFolder(const std::string& name) {
  const std::string folder = WizardFolder(name, true);
  for (const char* file : {"TestTuner.dll", "TestTuner.kvo", "Nameless.dll", "TestFilter.dll", "NoInfo.dll",
                           "Refuses.dll"})
    CopyFileA((wintest::ExeFolder() + file).c_str(), (folder + file).c_str(), FALSE);
  for (const char* file : {"Vrx.dll", "VrxB.dll", "KvAux.dll", "KvIni.dll", "KvLang.dll"})
    CopyFileA((wintest::InstallFolder() + file).c_str(), (folder + file).c_str(), FALSE);
  wintest::WriteFileText(folder + "Broken.dll", "not a library");
  return folder;
}

class RunningWizard {
 public:
  explicit RunningWizard(const std::string& folder)
      : folder_(folder), process_(folder + "KvWizard.exe", {}, folder), job_(CreateJobObjectA(nullptr, nullptr)) {
    // It starts programs only when finished, so joining the job late misses none.
    AssignProcessToJobObject(job_.get(), process_.handle());
    WaitUntil([&] { return (sheet_ = wintest::ProcessWindow(process_.id(), kDialogClass)) != nullptr; }, kExitMs);
  }
  // A sheet left open by a test (or a failed one) is cancelled, so the
  // process ends before its owner waits for it.
  ~RunningWizard() {
    if (sheet_ && WaitForSingleObject(process_.handle(), 0) == WAIT_TIMEOUT)
      PostMessageA(sheet_, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  }
  RunningWizard(const RunningWizard&) = delete;
  RunningWizard& operator=(const RunningWizard&) = delete;
  HWND sheet() const { return sheet_; }
  wintest::Process& process() { return process_; }

  HWND page() const { return reinterpret_cast<HWND>(SendMessageA(sheet_, PSM_GETCURRENTPAGEHWND, 0, 0)); }
  int pageIndex() const {
    return static_cast<int>(SendMessageA(sheet_, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page()), 0));
  }
  HWND control(int id) const { return GetDlgItem(page(), id); }
  // Picks an entry of a drop-down list as the user does, with its notice.
  void Pick(int list, int index, WORD notice = CBN_SELCHANGE) const {
    SendMessageA(control(list), CB_SETCURSEL, index, 0);
    SendMessageA(page(), WM_COMMAND, MAKEWPARAM(list, notice), reinterpret_cast<LPARAM>(control(list)));
  }
  bool Press(int button, int expectedPage) {
    PostMessageA(sheet_, PSM_PRESSBUTTON, button, 0);
    return WaitUntil([&] { return pageIndex() == expectedPage; });
  }
  // Moves from the first page to the tuner page.
  bool ToTunerPage() { return Press(PSBTN_NEXT, 1) && Press(PSBTN_NEXT, kTunerPage); }
  // Presses Next on the tuner page and waits for the settings frame of that
  // title; null when it does not appear.
  HWND NextToFrame(const char* title) {
    PostMessageA(sheet_, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
    HWND frame = nullptr;
    WaitUntil([&] { return (frame = FindWindowA(kDialogClass, title)) != nullptr && IsWindowVisible(frame); });
    return frame;
  }
  // "back, next, finish" as enabled and shown now, e.g. "-N-".
  std::string Buttons() const {
    std::string s;
    for (auto [id, letter] : {std::pair{kBackButton, 'B'}, {kNextButton, 'N'}, {kFinishButton, 'F'}}) {
      const HWND b = GetDlgItem(sheet_, id);
      s += b && IsWindowVisible(b) && IsWindowEnabled(b) ? letter : '-';
    }
    return s;
  }
  bool ShowsButtons(const std::string& expected) const {
    return WaitUntil([&] { return Buttons() == expected; });
  }
  // Whether a child of the sheet (the header) shows this text.
  bool HeaderShows(const std::string& text) const {
    for (HWND c = GetWindow(sheet_, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
      if (wintest::WindowText(c) == text) return true;
    return false;
  }
  int Finish() {
    PostMessageA(sheet_, PSM_PRESSBUTTON, PSBTN_FINISH, 0);
    return process_.Wait(kExitMs);
  }
  // The wizard and every process it started, ended or not.
  DWORD ProcessesRun() const {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info{};
    if (!QueryInformationJobObject(job_.get(), JobObjectBasicAccountingInformation, &info, sizeof info, nullptr))
      return 0;
    return info.TotalProcesses;
  }

 private:
  std::string folder_;
  wintest::Process process_;
  kv::KernelHandle job_;
  HWND sheet_ = nullptr;
};

TEST(KvWizard, WithoutAnEngineBesideItShowsNothingAndExitsWithZero) {
  const wintest::IsolatedSettings settings;
  const std::string folder = WizardFolder("alone", false);
  wintest::Process wizard(folder + "KvWizard.exe", {}, folder);
  ASSERT_TRUE(wizard.started());
  bool appeared = false;
  const int code = [&] {
    while (WaitForSingleObject(wizard.handle(), 10) == WAIT_TIMEOUT)
      appeared |= wintest::ProcessWindow(wizard.id(), nullptr) != nullptr;
    return wizard.Wait(kExitMs);
  }();
  EXPECT_EQ(code, 0);
  EXPECT_FALSE(appeared);
}

TEST(KvWizard, EnglishFromFirstPageToFinishStoresTheFolderAndStartsBothPrograms) {
  const wintest::IsolatedSettings settings;
  KvIniSetString("KvSave", "FileName", "D:\\Rec\\Rad <hh>.mp3");
  KvIniSetDword("KvSave", "Format", 1);
  const std::string folder = WizardFolder("english", true);
  RunningWizard wizard(folder);
  ASSERT_NE(wizard.sheet(), nullptr);

  EXPECT_EQ(wintest::WindowText(wizard.sheet()), wizard::kTitle.english);
  EXPECT_TRUE(wizard.ShowsButtons("-N-")) << wizard.Buttons();
  EXPECT_TRUE(wizard.HeaderShows(wizard::kHdrWelcome.english));
  // The real wizard lists the system's devices as winmm shows them to this
  // process: none under a plain Wine, where it stores nothing for the roles.
  const size_t inputs = waveInGetNumDevs(), outputs = waveOutGetNumDevs();
  for (int page = 1; page <= kRecordPage; ++page) {
    ASSERT_TRUE(wizard.Press(PSBTN_NEXT, page));
    EXPECT_TRUE(wizard.ShowsButtons("BN-")) << page << " " << wizard.Buttons();
    EXPECT_TRUE(wizard.HeaderShows(wizard::kPages[page].title.english)) << page;
    if (page != kSoundPage) continue;
    for (const wizard::SoundRole& role : wizard::kSoundRoles) {
      EXPECT_EQ(Entries(wizard.control(role.deviceList)).size(), role.kind == wizard::WaveKind::In ? inputs : outputs);
      EXPECT_EQ(wintest::WindowText(wizard.control(role.labelId)), role.label.english);
    }
  }
  for (const wizard::SoundRole& role : wizard::kSoundRoles) {
    const bool any = (role.kind == wizard::WaveKind::In ? inputs : outputs) > 0;
    EXPECT_EQ(Lines(role.deviceKey).has_value(), any) << role.deviceKey;
    if (!any) {
      EXPECT_EQ(Lines(role.lineKey), std::nullopt) << role.lineKey;
    }
  }
  EXPECT_EQ(Lines(wizard::kAudigyKey), std::nullopt);

  EXPECT_EQ(EditText(wizard.control(IDC_FOLDER)), "D:\\Rec\\");
  const HWND freeSpace = wizard.control(IDC_FREE_SPACE);
  SetWindowTextA(wizard.control(IDC_FOLDER), "C:\\");
  const std::string onC = wintest::WindowText(freeSpace);
  EXPECT_NE(onC.find("Free space: "), std::string::npos) << onC;
  EXPECT_EQ(onC.find("Free space: 0 MB"), std::string::npos) << "drive C has room";
  SetWindowTextA(wizard.control(IDC_FOLDER), "\\\\server\\share");
  EXPECT_EQ(wintest::WindowText(freeSpace), "Free space: 0 MB") << "a network path is not queried";
  SetWindowTextA(wizard.control(IDC_FOLDER), "E:\\Radio");
  ASSERT_TRUE(wizard.Press(PSBTN_NEXT, kFinishPage));
  EXPECT_EQ(kv::ReadString("KvSave", "FileName"), "E:\\Radio\\Rad <hh>.mp3");
  EXPECT_TRUE(wizard.ShowsButtons("B-F")) << wizard.Buttons();
  EXPECT_EQ(wintest::WindowText(wizard.control(IDC_LAUNCH)), wizard::kLaunch.english);
  EXPECT_EQ(SendMessageA(wizard.control(IDC_OPEN_SETTINGS), BM_GETCHECK, 0, 0), BST_CHECKED);

  EXPECT_EQ(wizard.Finish(), 0);
  EXPECT_EQ(wizard.ProcessesRun(), 3u) << "the wizard and its two programs";
  ASSERT_TRUE(WaitUntil([&] { return Exists(folder + "KvSetup.exe.cmdline") && Exists(folder + "KvEngine.exe.cmdline"); }));
  EXPECT_TRUE(WaitUntil([&] { return ReadFile(folder + "KvSetup.exe.cmdline") == "KvSetup.exe s "; }))
      << ReadFile(folder + "KvSetup.exe.cmdline");
  EXPECT_TRUE(WaitUntil([&] { return ReadFile(folder + "KvEngine.exe.cmdline") == "KvEngine.exe "; }))
      << ReadFile(folder + "KvEngine.exe.cmdline");
}

TEST(KvWizard, GermanRetitlesAtOnceAndFinishWithBoxesClearedStartsNothing) {
  const wintest::IsolatedSettings settings;
  const std::string folder = WizardFolder("german", true);
  RunningWizard wizard(folder);
  ASSERT_NE(wizard.sheet(), nullptr);

  const HWND list = wizard.control(IDC_LANGUAGE_LIST);
  ASSERT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 2) << "the default entry and German";
  EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), 0);
  SendMessageA(list, CB_SETCURSEL, 1, 0);
  SendMessageA(wizard.page(), WM_COMMAND, MAKEWPARAM(IDC_LANGUAGE_LIST, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  EXPECT_EQ(kv::ReadString("KvLang", "FileName"), "German.lng");
  const std::string germanWelcome = GermanText(wizard::kHdrWelcome.key);
  ASSERT_FALSE(germanWelcome.empty());
  EXPECT_TRUE(wizard.HeaderShows(germanWelcome));
  EXPECT_FALSE(wizard.HeaderShows(wizard::kHdrWelcome.english));

  ASSERT_TRUE(wizard.Press(PSBTN_NEXT, 1));
  EXPECT_TRUE(wizard.HeaderShows(GermanText(wizard::kHdrSound.key)));
  ASSERT_TRUE(wizard.Press(PSBTN_NEXT, 2));
  ASSERT_TRUE(wizard.Press(PSBTN_NEXT, kRecordPage));
  EXPECT_EQ(EditText(wizard.control(IDC_FOLDER)), "");
  ASSERT_TRUE(wizard.Press(PSBTN_NEXT, kFinishPage));
  EXPECT_EQ(kv::ReadString("KvSave", "FileName"), std::nullopt) << "an empty folder stores nothing";
  EXPECT_EQ(wintest::WindowText(wizard.control(IDC_FINISH_TEXT)), GermanText(wizard::kFinishText.key));
  EXPECT_EQ(wintest::WindowText(wizard.control(IDC_LAUNCH)), GermanText(wizard::kLaunch.key));

  ASSERT_TRUE(wizard.Press(PSBTN_BACK, kRecordPage));
  ASSERT_TRUE(wizard.Press(PSBTN_NEXT, kFinishPage));
  SendMessageA(wizard.control(IDC_OPEN_SETTINGS), BM_SETCHECK, BST_UNCHECKED, 0);
  SendMessageA(wizard.control(IDC_LAUNCH), BM_SETCHECK, BST_UNCHECKED, 0);
  EXPECT_EQ(wizard.Finish(), 0);
  EXPECT_EQ(wizard.ProcessesRun(), 1u) << "the wizard alone";
}

// Two cards: a plain one whose wave-out mixer has no line-in line and whose
// recording mixer has no line at all, and an Audigy with an analog mix.
constexpr char kTwoCards[] =
    "in Plain Card\n"
    "destination wavein\n"
    "in Audigy Card\n"
    "destination speakers\n"
    "line 30 Line-In\n"
    "destination wavein\n"
    "line 31 Microphone\n"
    "line 32 Line In\n"
    "line 33 Analog Mix (Line/CD/Aux/TAD/PC)\n"
    "out Plain Card\n"
    "destination speakers\n"
    "line 10 Wavetable Synth\n"
    "line 11 Wave\n"
    "out Audigy Card\n"
    "destination speakers\n"
    "line 20 Line-In\n"
    "line 21 Wave/DirectSound\n";

TEST(KvWizardSoundPage, GuessesEachRoleRefillsOnADeviceChangeAndStoresWhatIsChosen) {
  const wintest::IsolatedSettings settings;
  RunningWizard wizard(WizardFolder("sound", true, kTwoCards));
  ASSERT_NE(wizard.sheet(), nullptr);
  ASSERT_TRUE(wizard.Press(PSBTN_NEXT, kSoundPage));

  const std::vector<std::string> cards{"Plain Card", "Audigy Card"};
  for (int list : {IDC_RADIO_DEVICE, IDC_RECORD_DEVICE, IDC_WAVE_DEVICE})
    EXPECT_EQ(Entries(wizard.control(list)), cards) << list;
  // Radio and Recording: the first card with a line-in line; Wave out: the first.
  EXPECT_EQ(Selected(wizard.control(IDC_RADIO_DEVICE)), 1);
  EXPECT_EQ(Entries(wizard.control(IDC_RADIO_LINE)), (std::vector<std::string>{"Line-In", "Wave/DirectSound"}));
  EXPECT_EQ(SelectedEntry(wizard.control(IDC_RADIO_LINE)), "Line-In");
  EXPECT_EQ(Selected(wizard.control(IDC_RECORD_DEVICE)), 1);
  EXPECT_EQ(SelectedEntry(wizard.control(IDC_RECORD_LINE)), "Analog Mix (Line/CD/Aux/TAD/PC)");
  EXPECT_EQ(Selected(wizard.control(IDC_WAVE_DEVICE)), 0);
  EXPECT_EQ(SelectedEntry(wizard.control(IDC_WAVE_LINE)), "Wave");

  wizard.Pick(IDC_RADIO_DEVICE, 0);
  EXPECT_EQ(Entries(wizard.control(IDC_RADIO_LINE)), (std::vector<std::string>{"Wavetable Synth", "Wave"}));
  EXPECT_EQ(Selected(wizard.control(IDC_RADIO_LINE)), 0) << "no line-in line: the first";
  SendMessageA(wizard.control(IDC_RADIO_LINE), CB_SETCURSEL, 1, 0);
  wizard.Pick(IDC_RADIO_DEVICE, 0, CBN_CLOSEUP);
  EXPECT_EQ(SelectedEntry(wizard.control(IDC_RADIO_LINE)), "Wave") << "the same device keeps the user's line";
  wizard.Pick(IDC_RECORD_DEVICE, 0);
  EXPECT_EQ(Entries(wizard.control(IDC_RECORD_LINE)), std::vector<std::string>{});
  wizard.Pick(IDC_RECORD_DEVICE, 1);
  EXPECT_EQ(SelectedEntry(wizard.control(IDC_RECORD_LINE)), "Analog Mix (Line/CD/Aux/TAD/PC)");

  ASSERT_TRUE(wizard.Press(PSBTN_NEXT, kSoundPage + 1));
  EXPECT_EQ(Lines("DevRadio"), 0u);
  EXPECT_EQ(Lines("LineRadio"), 11u);
  EXPECT_EQ(Lines("DevRecord"), 1u);
  EXPECT_EQ(Lines("LineRecord"), 33u);
  EXPECT_EQ(Lines("DevWave"), 0u);
  EXPECT_EQ(Lines("LineWave"), 11u);
  EXPECT_EQ(Lines(wizard::kAudigyKey), 1u) << "an Audigy recording from a line with a parenthesis";
}

TEST(KvWizardSoundPage, StoredChoicesComeBackAndAPlainLineWritesNoAudigy) {
  const wintest::IsolatedSettings settings;
  KvIniSetDword(wizard::kLinesSection, "DevRadio", 0);
  KvIniSetDword(wizard::kLinesSection, "LineRadio", 20);  // stored for card 0, but a line of card 1
  KvIniSetDword(wizard::kLinesSection, "DevRecord", 1);
  KvIniSetDword(wizard::kLinesSection, "LineRecord", 32);
  KvIniSetDword(wizard::kLinesSection, "DevWave", 7);  // no such device
  RunningWizard wizard(WizardFolder("stored", true, kTwoCards));
  ASSERT_NE(wizard.sheet(), nullptr);
  ASSERT_TRUE(wizard.Press(PSBTN_NEXT, kSoundPage));

  EXPECT_EQ(Selected(wizard.control(IDC_RADIO_DEVICE)), 0) << "the stored card, though the other suits";
  EXPECT_EQ(SelectedEntry(wizard.control(IDC_RADIO_LINE)), "Wavetable Synth");
  EXPECT_EQ(SelectedEntry(wizard.control(IDC_RECORD_LINE)), "Line In") << "the saved line over the best score";
  EXPECT_EQ(Selected(wizard.control(IDC_WAVE_DEVICE)), 0);

  ASSERT_TRUE(wizard.Press(PSBTN_NEXT, kSoundPage + 1));
  EXPECT_EQ(Lines("LineRadio"), 10u);
  EXPECT_EQ(Lines("LineRecord"), 32u);
  EXPECT_EQ(Lines("DevWave"), 0u);
  EXPECT_EQ(Lines(wizard::kAudigyKey), std::nullopt);
}

// ---- the tuner-card page

// The settings frame's dialog from the provider, and a press of its buttons.
HWND ProviderDialog(HWND frame) { return FindWindowExA(frame, nullptr, kDialogClass, nullptr); }
bool PressInFrame(HWND frame, int button) {
  PostMessageA(frame, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
  return WaitUntil([&] { return !IsWindow(frame); });
}
// A key pressed in another process's control, as the keyboard would post it.
void PressKey(HWND control, WPARAM key) { PostMessageA(control, WM_KEYDOWN, key, 0); }
HWND FocusIn(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndFocus : nullptr;
}
// Whether a process has the module loaded; its program counts, so a snapshot
// that cannot be taken tells apart from a module that is absent.
bool Loaded(DWORD process, const char* module) {
  const kv::KernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, process));
  MODULEENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = snapshot && Module32First(snapshot.get(), &entry); more; more = Module32Next(snapshot.get(), &entry))
    if (lstrcmpiA(entry.szModule, module) == 0) return true;
  return false;
}
void SelectIn(HWND dialog, int list, int position, int notice) {
  SendDlgItemMessageA(dialog, list, CB_SETCURSEL, position, 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(list, notice), reinterpret_cast<LPARAM>(GetDlgItem(dialog, list)));
}
// Types into a field and moves the focus away, as far as the dialog can tell.
void TypeAndLeave(HWND dialog, int field, const char* text) {
  SetWindowTextA(GetDlgItem(dialog, field), text);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(field, EN_KILLFOCUS), reinterpret_cast<LPARAM>(GetDlgItem(dialog, field)));
}

TEST(KvWizardTunerPage, ListsOnlyTunerModulesAfterTheBuiltInDriverAndNextClearsAStoredModuleThatIsGone) {
  const wintest::IsolatedSettings settings;
  KvIniSetString(wizard::kTunerSection, wizard::kTunerKey, "Gone.dll");
  RunningWizard wizard(TunerFolder("tuners"));
  ASSERT_NE(wizard.sheet(), nullptr);
  ASSERT_TRUE(wizard.ToTunerPage());

  const HWND list = wizard.control(IDC_TUNER_LIST);
  // The module without a name is listed by its file name.
  EXPECT_EQ(Entries(list), (std::vector<std::string>{"Tavrin TV Driver 2.20", "Nameless.dll", "Test Tuner"}));
  EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), CB_ERR) << "the stored module is gone";
  EXPECT_EQ(wintest::WindowText(wizard.control(IDC_TUNER_PROMPT)), wizard::kTunerPrompt.english);

  ASSERT_TRUE(wizard.Press(PSBTN_NEXT, kRecordPage)) << "no settings to show";
  EXPECT_EQ(kv::ReadString(wizard::kTunerSection, wizard::kTunerKey), std::nullopt);
}

TEST(KvWizardTunerPage, ModuleSettingsCancelStaysOnThePageOkSavesAndGoesOn) {
  const wintest::IsolatedSettings settings;
  KvIniSetString(wizard::kTunerSection, wizard::kTunerKey, "TestTuner.dll");
  RunningWizard wizard(TunerFolder("module"));
  ASSERT_NE(wizard.sheet(), nullptr);
  ASSERT_TRUE(wizard.ToTunerPage());
  const HWND list = wizard.control(IDC_TUNER_LIST);
  ASSERT_EQ(SelectedEntry(list), "Test Tuner");
  const DWORD id = wizard.process().id();
  ASSERT_TRUE(Loaded(id, "TestTuner.dll")) << "a listed tuner stays loaded with the page";
  EXPECT_FALSE(Loaded(id, "TestFilter.dll"));
  EXPECT_FALSE(Loaded(id, "NoInfo.dll"));

  HWND frame = wizard.NextToFrame("Test Tuner");
  ASSERT_NE(frame, nullptr);
  EXPECT_FALSE(IsWindowEnabled(wizard.sheet())) << "the sheet waits for the frame";
  EXPECT_EQ(wintest::WindowText(GetDlgItem(frame, IDC_FRAME_NOTE)), wizard::kSettingsNote.english);
  HWND field = GetDlgItem(ProviderDialog(frame), IDC_TEST_FIELD);
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(GetDlgItem(frame, IDC_FRAME_PLACE), nullptr) << "the placeholder gives way";
  EXPECT_TRUE(Loaded(id, "TestTuner.kvo"));
  // The keyboard reaches the frame's buttons and the provider's field alike,
  // though the provider's template does not say DS_CONTROL.
  std::set<HWND> focused{FocusIn(frame)};
  for (int press = 0; press < 3; ++press) {
    const HWND from = FocusIn(frame);
    PressKey(from, VK_TAB);
    WaitUntil([&] { return FocusIn(frame) != from; });
    focused.insert(FocusIn(frame));
  }
  EXPECT_EQ(focused, (std::set<HWND>{field, GetDlgItem(frame, IDOK), GetDlgItem(frame, IDCANCEL)})) << "Tab goes round";
  PressKey(field, VK_ESCAPE);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(frame); })) << "Escape cancels the frame";
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(wizard.sheet()) != FALSE; }));
  EXPECT_EQ(wizard.pageIndex(), kTunerPage);
  EXPECT_EQ(kv::ReadString(kTestTunerSection, kTestTunerKey), std::nullopt);
  EXPECT_TRUE(WaitUntil([&] { return Loaded(id, "KvWizard.exe") && !Loaded(id, "TestTuner.kvo"); }))
      << "the companion goes with its frame";

  frame = wizard.NextToFrame("Test Tuner");
  ASSERT_NE(frame, nullptr);
  field = GetDlgItem(ProviderDialog(frame), IDC_TEST_FIELD);
  SetWindowTextA(field, "Channel 7");
  PressKey(field, VK_RETURN);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(frame); })) << "Enter is the frame's OK";
  EXPECT_TRUE(WaitUntil([&] { return wizard.pageIndex() == kRecordPage; }));
  EXPECT_EQ(kv::ReadString(kTestTunerSection, kTestTunerKey), "Channel 7");
  EXPECT_EQ(kv::ReadString(wizard::kTunerSection, wizard::kTunerKey), "TestTuner.dll");
}

TEST(KvWizardTunerPage, BuiltInDriverValidatesReadsBinaryFieldsAndKeepsAChangedChipThroughCancel) {
  const wintest::IsolatedSettings settings;
  KvIniSetDword(wizard::kTvDriverSection, "I2CAddress", 0xC3);
  KvIniSetDword(wizard::kTvDriverSection, "Chip", 0);
  RunningWizard wizard(WizardFolder("builtin", true));
  ASSERT_NE(wizard.sheet(), nullptr);
  ASSERT_TRUE(wizard.ToTunerPage());
  const HWND list = wizard.control(IDC_TUNER_LIST);
  EXPECT_EQ(Entries(list), std::vector<std::string>{"Tavrin TV Driver 2.20"});
  SendMessageA(list, CB_SETCURSEL, 0, 0);

  HWND frame = wizard.NextToFrame(wizard::kBuiltInDriverName);
  ASSERT_NE(frame, nullptr);
  HWND driver = ProviderDialog(frame);
  ASSERT_NE(driver, nullptr);
  EXPECT_EQ(SendDlgItemMessageA(driver, IDC_TV_I2C, CB_GETCURSEL, 0, 0), 1) << "0xC3 is shown as 0xC2";
  EXPECT_EQ(wintest::WindowText(GetDlgItem(driver, IDC_BT_MASK_LABEL)), wizard::kTvMask.english);
  EXPECT_EQ(EditText(GetDlgItem(driver, IDC_BT_MASK)), "00000000000000000000000000001111");
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(driver, IDC_BT_READ)));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(driver, IDC_SAA_READ)));

  SelectIn(driver, IDC_TV_CHIP, 1, CBN_SELCHANGE);
  EXPECT_EQ(kv::ReadDword(wizard::kTvDriverSection, "Chip"), 1u) << "stored at once";
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(driver, IDC_BT_READ)));
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(driver, IDC_SAA_MUTE_INPUT_LABEL)));
  TypeAndLeave(driver, IDC_SAA_LINE, "2a01");
  EXPECT_EQ(EditText(GetDlgItem(driver, IDC_SAA_LINE)), "110");
  TypeAndLeave(driver, IDC_BT_MUTE, "");
  EXPECT_EQ(EditText(GetDlgItem(driver, IDC_BT_MUTE)), std::string(32, '0'));
  ASSERT_TRUE(PressInFrame(frame, IDCANCEL));
  EXPECT_EQ(wizard.pageIndex(), kTunerPage);
  EXPECT_EQ(kv::ReadDword(wizard::kTvDriverSection, "Chip"), 1u) << "Cancel keeps the chip";
  EXPECT_EQ(kv::ReadDword(wizard::kTvDriverSection, "SAALine"), std::nullopt) << "nothing else is saved";

  // The second opening shows what the first left, and the stored chip.
  frame = wizard.NextToFrame(wizard::kBuiltInDriverName);
  ASSERT_NE(frame, nullptr);
  driver = ProviderDialog(frame);
  EXPECT_EQ(EditText(GetDlgItem(driver, IDC_SAA_LINE)), "110");
  EXPECT_EQ(SendDlgItemMessageA(driver, IDC_TV_CHIP, CB_GETCURSEL, 0, 0), 1);
  ASSERT_TRUE(PressInFrame(frame, IDOK));
  EXPECT_TRUE(WaitUntil([&] { return wizard.pageIndex() == kRecordPage; }));
  EXPECT_EQ(kv::ReadString(wizard::kTunerSection, wizard::kTunerKey), wizard::kBuiltInChoice);
  EXPECT_EQ(kv::ReadDword(wizard::kTvDriverSection, "I2CAddress"), 0xC2u);
  EXPECT_EQ(kv::ReadDword(wizard::kTvDriverSection, "SAALine"), 6u);
  EXPECT_EQ(kv::ReadDword(wizard::kTvDriverSection, "BTGPIOMute"), 0u);
  EXPECT_EQ(kv::ReadDword(wizard::kTvDriverSection, "SAAMute"), 7u);
}

// The card's registers, read from the simulated bus of KvPort.dll beside
// the wizard.
TEST(KvWizardTunerPage, ReadButtonsShowTheCardsRegistersAndEmptyTheFieldWithoutSuchACard) {
  const wintest::IsolatedSettings settings;
  KvIniSetString(wizard::kTunerSection, wizard::kTunerKey, wizard::kBuiltInChoice);
  const std::string folder = WizardFolder("registers", true);
  ASSERT_TRUE(CopyFileA((wintest::InstallFolder() + "KvPort.dll").c_str(), (folder + "KvPort.dll").c_str(), FALSE));
  ASSERT_TRUE(wintest::WriteFileText(folder + "KvPort.bus",
                                     "function 0 0 0\nvendor 0x8086\ndevice 0x1237\n"
                                     "function 0 10 0\nvendor 0x1131\ndevice 0x7134\nbar 0 0xE4000000\n"
                                     "reg 0x1B4 0x12345678\nreg 0x16E 0xFD 1\n"));
  RunningWizard wizard(folder);
  ASSERT_NE(wizard.sheet(), nullptr);
  ASSERT_TRUE(wizard.ToTunerPage());
  const HWND frame = wizard.NextToFrame(wizard::kBuiltInDriverName);
  ASSERT_NE(frame, nullptr);
  const HWND driver = ProviderDialog(frame);
  const auto press = [&](int button) {
    SendMessageA(driver, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(driver, button)));
  };

  SetWindowTextA(GetDlgItem(driver, IDC_BT_CURRENT), "1");
  press(IDC_BT_READ);
  EXPECT_EQ(EditText(GetDlgItem(driver, IDC_BT_CURRENT)), "") << "no BT8xx card on the bus";
  SelectIn(driver, IDC_TV_CHIP, 1, CBN_SELCHANGE);
  press(IDC_SAA_READ);
  EXPECT_EQ(EditText(GetDlgItem(driver, IDC_SAA_CURRENT)), "00010010001101000101011001111000");
  EXPECT_EQ(EditText(GetDlgItem(driver, IDC_SAA_INPUT)), "101") << "the low three bits of 0xFD";
  ASSERT_TRUE(PressInFrame(frame, IDOK));
}

}  // namespace
