// Walks KvWizard.exe through its pages for `./run wizard` on a display
// without a user, leaving a picture of each page:
//   wizard_tour INSTALL_FOLDER OUTPUT_FOLDER [SCRIPTED_WIZARD SOUND_SYSTEM]
// writes page-1.bmp ... page-5.bmp (English) and tvdriver.bmp (the built-in TV
// driver's settings, chosen on the tuner page), then chooses German and writes
// german-1.bmp, german-2.bmp and german-5.bmp, and cancels. With the test
// build and a sound system description it first writes sound-lines.bmp: the
// sound page with lists to choose from. Exit code 0 when every page was seen.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>
#include <vector>

#include "host/win_handle.h"
#include "tests/support/wait.h"
#include "tests/support/windows_found.h"
#include "wizard/resource_ids.h"
#include "wizard/wizard_layout.h"

namespace {

constexpr DWORD kPatienceMs = 20000;
constexpr char kSheetClass[] = "#32770";
constexpr int kGermanEntry = 1;  // after the default entry, in a folder with German.lng only
constexpr int kTunerPage = 2;
constexpr char kTvDriverTitle[] = "Tavrin TV Driver 2.20";

bool Await(const auto& pred) { return wintest::WaitUntil(pred, kPatienceMs); }

int PageIndex(HWND sheet) {
  const LRESULT page = SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0);
  return static_cast<int>(SendMessageA(sheet, PSM_HWNDTOINDEX, page, 0));
}

// Lets the wizard finish what it was asked and paint, then copies the sheet
// from the screen into a 24-bit bitmap file.
bool Capture(HWND sheet, const std::string& path) {
  SendMessageA(sheet, WM_NULL, 0, 0);
  RedrawWindow(sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  SendMessageA(sheet, WM_NULL, 0, 0);
  RECT r{};
  GetWindowRect(sheet, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  const kv::WindowDc screen(nullptr);
  kv::MemoryDc memory(screen.dc());
  const kv::Bitmap picture(CreateCompatibleBitmap(screen.dc(), w, h));
  {
    const kv::Selection selected(memory.get(), picture.get());
    BitBlt(memory.get(), 0, 0, w, h, screen.dc(), r.left, r.top, SRCCOPY);
  }
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = w;
  info.biHeight = h;
  info.biPlanes = 1;
  info.biBitCount = 24;
  const int stride = (w * 3 + 3) & ~3;
  std::vector<char> bits(size_t(stride) * h);
  if (!GetDIBits(memory.get(), picture.get(), 0, h, bits.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS))
    return false;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + DWORD(bits.size());
  FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return false;
  const bool ok = std::fwrite(&file, sizeof file, 1, out) == 1 && std::fwrite(&info, sizeof info, 1, out) == 1 &&
                  std::fwrite(bits.data(), 1, bits.size(), out) == bits.size();
  return std::fclose(out) == 0 && ok;
}

// A running KvWizard.exe from a folder, and its sheet once shown.
struct Wizard {
  kv::KernelHandle process, thread;
  DWORD id = 0;
  HWND sheet = nullptr;
};

// Chooses the built-in TV driver, pictures its settings after reading the
// card's GPIO from the sample bus, and goes on with OK.
bool TourTvDriver(HWND sheet, const std::string& path) {
  const HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
  SendDlgItemMessageA(page, IDC_TUNER_LIST, CB_SETCURSEL, 0, 0);
  PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
  HWND frame = nullptr;
  if (!Await([&] { return (frame = FindWindowA(kSheetClass, kTvDriverTitle)) != nullptr && IsWindowVisible(frame); }))
    return false;
  const HWND driver = FindWindowExA(frame, nullptr, kSheetClass, nullptr);
  SendMessageA(driver, WM_COMMAND, MAKEWPARAM(IDC_BT_READ, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(driver, IDC_BT_READ)));
  const bool captured = Capture(frame, path);
  PostMessageA(frame, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  return Await([&] { return PageIndex(sheet) == kTunerPage + 1; }) && captured;
}

bool Start(const std::string& folder, Wizard& wizard) {
  std::string command = "\"" + folder + "KvWizard.exe\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup, &info))
    return false;
  wizard.process.reset(info.hProcess);
  wizard.thread.reset(info.hThread);
  wizard.id = info.dwProcessId;
  return Await([&] { return (wizard.sheet = wintest::ProcessWindow(wizard.id, kSheetClass)) != nullptr; });
}

bool Cancel(Wizard& wizard) {
  PostMessageA(wizard.sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  const bool ended = WaitForSingleObject(wizard.process.get(), kPatienceMs) == WAIT_OBJECT_0;
  if (!ended) TerminateProcess(wizard.process.get(), 1);
  return ended;
}

// The sound page with lists to show: the wizard's test build in a folder of
// its own with the engine and a sound system description.
bool TourSoundLines(const std::string& install, const std::string& scripted, const std::string& description,
                    const std::string& output) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "kvwizard-tour\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  bool ok = CopyFileA(scripted.c_str(), (folder + "KvWizard.exe").c_str(), FALSE) &&
            CopyFileA((install + "KvEngine.exe").c_str(), (folder + "KvEngine.exe").c_str(), FALSE) &&
            CopyFileA(description.c_str(), (folder + "SoundSystem.txt").c_str(), FALSE);
  // The suite's DLLs stay in the install folder.
  char path[32767] = {};
  GetEnvironmentVariableA("PATH", path, sizeof path);
  SetEnvironmentVariableA("PATH", (install + ";" + path).c_str());
  Wizard wizard;
  if (ok && Start(folder, wizard)) {
    PostMessageA(wizard.sheet, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
    ok &= Await([&] { return PageIndex(wizard.sheet) == 1; });
    ok &= Capture(wizard.sheet, output + "sound-lines.bmp");
    ok &= Cancel(wizard);
  } else {
    ok = false;
  }
  for (const char* file : {"KvWizard.exe", "KvEngine.exe", "SoundSystem.txt"}) DeleteFileA((folder + file).c_str());
  RemoveDirectoryA(folder.c_str());
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 5) return 2;
  const std::string install = std::string(argv[1]) + "\\", output = std::string(argv[2]) + "\\";
  // First, while the settings are fresh and English.
  if (argc == 5 && !TourSoundLines(install, argv[3], argv[4], output)) return 5;
  Wizard wizard;
  if (!Start(install, wizard)) return wizard.process ? 4 : 3;
  const HWND sheet = wizard.sheet;

  bool ok = true;
  for (int page = 0; page < wizard::kPageCount; ++page) {
    if (page > 0 && PageIndex(sheet) != page) {
      PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_NEXT, 0);
      ok &= Await([&] { return PageIndex(sheet) == page; });
    }
    ok &= Capture(sheet, output + "page-" + std::to_string(page + 1) + ".bmp");
    if (page == kTunerPage) ok &= TourTvDriver(sheet, output + "tvdriver.bmp");
  }
  PostMessageA(sheet, PSM_SETCURSEL, 0, 0);
  ok &= Await([&] { return PageIndex(sheet) == 0; });
  const HWND welcome = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
  const HWND list = GetDlgItem(welcome, IDC_LANGUAGE_LIST);
  SendMessageA(list, CB_SETCURSEL, kGermanEntry, 0);
  SendMessageA(welcome, WM_COMMAND, MAKEWPARAM(IDC_LANGUAGE_LIST, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  ok &= Capture(sheet, output + "german-1.bmp");
  PostMessageA(sheet, PSM_SETCURSEL, 1, 0);
  ok &= Await([&] { return PageIndex(sheet) == 1; });
  ok &= Capture(sheet, output + "german-2.bmp");
  PostMessageA(sheet, PSM_SETCURSEL, wizard::kFinishPage, 0);
  ok &= Await([&] { return PageIndex(sheet) == wizard::kFinishPage; });
  ok &= Capture(sheet, output + "german-5.bmp");

  ok &= Cancel(wizard);
  return ok ? 0 : 1;
}
