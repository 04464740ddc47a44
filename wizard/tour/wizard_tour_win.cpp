// Walks KvWizard.exe through its pages for `./run wizard` on a display
// without a user, leaving a picture of each page:
//   wizard_tour INSTALL_FOLDER OUTPUT_FOLDER
// writes page-1.bmp ... page-5.bmp (English) and tvdriver.bmp (the built-in TV
// driver's settings, chosen on the tuner page), then chooses German and writes
// german-1.bmp and german-5.bmp, and cancels. Exit code 0 when every page
// was seen.
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

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const std::string install = std::string(argv[1]) + "\\", output = std::string(argv[2]) + "\\";
  std::string command = "\"" + install + "KvWizard.exe\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, install.c_str(), &startup, &info))
    return 3;
  const kv::KernelHandle process(info.hProcess), thread(info.hThread);
  HWND sheet = nullptr;
  if (!Await([&] { return (sheet = wintest::ProcessWindow(info.dwProcessId, kSheetClass)) != nullptr; })) return 4;

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
  PostMessageA(sheet, PSM_SETCURSEL, wizard::kFinishPage, 0);
  ok &= Await([&] { return PageIndex(sheet) == wizard::kFinishPage; });
  ok &= Capture(sheet, output + "german-5.bmp");

  PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
  ok &= WaitForSingleObject(process.get(), kPatienceMs) == WAIT_OBJECT_0;
  if (!ok) TerminateProcess(process.get(), 1);
  return ok ? 0 : 1;
}
