#include "wizard/frame_win.h"

#include <commctrl.h>
#include <richedit.h>
#include <shellapi.h>

#include "auxui/kv_aux.h"
#include "host/kv_lang.h"
#include "host/program_folder_win.h"
#include "host/win_handle.h"
#include "wizard/page_rules.h"
#include "wizard/resource_ids.h"
#include "wizard/wizard_layout.h"

namespace wizard {
namespace {

// The program-wide state of one run of the sheet.
struct Frame {
  DialogBackground background{};
  HWND sheet = nullptr;
  HWND tab = nullptr;
  HWND title = nullptr;
  HWND subtitle = nullptr;
  int headerHeight = 0;
  bool ready = false;  // the first page's set-up has built the frame
  WNDPROC sheetProc = nullptr;
  kv::Font titleFont;
};
Frame g_frame;

LRESULT CALLBACK SheetProc(HWND sheet, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CTLCOLORSTATIC) {
    const auto control = reinterpret_cast<HWND>(lParam);
    if (control == g_frame.title || control == g_frame.subtitle)
      return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
  }
  return CallWindowProcA(g_frame.sheetProc, sheet, message, wParam, lParam);
}

RECT RectIn(HWND parent, HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

HWND AddStatic(HWND parent, DWORD style, const Box& box) {
  return CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, box.x, box.y, box.width, box.height, parent,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
}

// Moves every child of the sheet but the tab control and the header texts.
void MoveChildrenDown(HWND sheet, int by) {
  for (HWND child = GetWindow(sheet, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (child == g_frame.tab || child == g_frame.title || child == g_frame.subtitle) continue;
    const RECT r = RectIn(sheet, child);
    SetWindowPos(child, nullptr, r.left, r.top + by, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void BuildHeader(HWND firstPage) {
  const HWND sheet = g_frame.sheet;
  const HWND reference = GetDlgItem(firstPage, IDC_LANGUAGE_PROMPT);
  const RECT text = reference ? RectIn(sheet, reference) : RECT{};
  RECT window{}, client{};
  GetWindowRect(sheet, &window);
  const Header header = LayoutHeader(text.bottom - text.top, text.left, window.right - window.left);
  g_frame.headerHeight = header.height;

  g_frame.title = AddStatic(sheet, 0, header.title);
  g_frame.subtitle = AddStatic(sheet, 0, header.subtitle);
  SetWindowPos(sheet, nullptr, 0, 0, window.right - window.left, window.bottom - window.top + header.shift(),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  MoveChildrenDown(sheet, header.shift());
  ShowWindow(g_frame.tab, SW_HIDE);

  GetClientRect(sheet, &client);
  const HWND band = AddStatic(sheet, SS_WHITERECT, header.whiteBand(client.right));
  AddStatic(sheet, SS_ETCHEDHORZ, header.line(client.right));
  const HWND picture = AddStatic(sheet, SS_BITMAP, header.picture(client.right));
  // A missing picture leaves its place empty.
  if (const auto bitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_HEADER),
                                                          IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)))
    DeleteObject(reinterpret_cast<HBITMAP>(SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP,
                                                        reinterpret_cast<LPARAM>(bitmap))));

  SendMessageA(g_frame.subtitle, WM_SETFONT, SendMessageA(reference, WM_GETFONT, 0, 0), FALSE);
  g_frame.titleFont.reset(CreateFontA(TitleFontHeight(text.bottom - text.top), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE,
                                      DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                      VARIABLE_PITCH | FF_SWISS, "Microsoft Sans Serif"));
  SendMessageA(g_frame.title, WM_SETFONT, reinterpret_cast<WPARAM>(g_frame.titleFont.get()), FALSE);
  // The texts lie above the picture, and everything above the white band.
  SetWindowPos(band, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(picture, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(g_frame.subtitle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowPos(g_frame.title, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void SetUpFrame(HWND page) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  g_frame.background.bitmap = KvAuxBackground(instance, MAKEINTRESOURCEA(IDB_BACKGROUND));
  g_frame.sheet = GetParent(page);
  g_frame.tab = reinterpret_cast<HWND>(SendMessageA(g_frame.sheet, PSM_GETTABCONTROL, 0, 0));
  g_frame.sheetProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(g_frame.sheet, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SheetProc)));
  BuildHeader(page);
  RECT r{};
  GetWindowRect(g_frame.sheet, &r);
  SetWindowPos(g_frame.sheet, nullptr, CentredOnScreen(GetSystemMetrics(SM_CXSCREEN), r.right - r.left),
               CentredOnScreen(GetSystemMetrics(SM_CYSCREEN), r.bottom - r.top), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageA(g_frame.sheet, WM_SETICON, ICON_BIG,
               reinterpret_cast<LPARAM>(LoadIconA(instance, MAKEINTRESOURCEA(IDI_WIZARD))));
  SetHeaderTexts();
  g_frame.ready = true;
}

// The page sits H pixels below the top of the hidden tab control.
void PlacePage(HWND page) {
  const RECT tab = RectIn(g_frame.sheet, g_frame.tab);
  const RECT r = RectIn(g_frame.sheet, page);
  if (r.top != tab.top + g_frame.headerHeight)
    SetWindowPos(page, nullptr, r.left, tab.top + g_frame.headerHeight, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

DWORD WizardFlags(unsigned buttons) {
  return (buttons & kBack ? PSWIZB_BACK : 0) | (buttons & kNext ? PSWIZB_NEXT : 0) |
         (buttons & kFinish ? PSWIZB_FINISH : 0);
}

}  // namespace

const char* Text(const LangText& text) { return KvLangString(text.key, text.english); }

HWND Sheet() { return g_frame.sheet; }

int CurrentPage() {
  if (!g_frame.sheet) return -1;
  const LRESULT page = SendMessageA(g_frame.sheet, PSM_GETCURRENTPAGEHWND, 0, 0);
  return static_cast<int>(SendMessageA(g_frame.sheet, PSM_HWNDTOINDEX, page, 0));
}

void SetHeaderTexts() { SetHeaderTextsOf(CurrentPage()); }

void SetHeaderTextsOf(int page) {
  if (page < 0 || page >= kPageCount) return;
  SetWindowTextA(g_frame.title, Text(kPages[page].title));
  SetWindowTextA(g_frame.subtitle, Text(kPages[page].subtitle));
}

INT_PTR PageTail(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, int page) {
  if (message == WM_INITDIALOG && !g_frame.ready) SetUpFrame(dialog);
  if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == PSN_SETACTIVE) {
    PlacePage(dialog);
    // The sheet makes the page current only after this notice: its own index.
    SetHeaderTextsOf(page);
    PostMessageA(g_frame.sheet, PSM_SETWIZBUTTONS, 0, WizardFlags(ButtonsFor(page)));
  }
  return KvAuxDlgProc(dialog, message, wParam, &g_frame.background);
}

bool IsLinkClick(LPARAM notify, int control, const TextMark& link) {
  const auto* header = reinterpret_cast<const NMHDR*>(notify);
  if (header->idFrom != static_cast<UINT_PTR>(control) || header->code != EN_LINK || link.length == 0) return false;
  const auto* click = reinterpret_cast<const ENLINK*>(notify);
  return click->msg == WM_LBUTTONDOWN && click->chrg.cpMin == link.start;
}

void OpenHelp(const char* topic) {
  const std::string parameters = HelpParameters(kv::ProgramFolder(), topic);
  ShellExecuteA(nullptr, "open", "hh.exe", parameters.c_str(), nullptr, SW_SHOW);
}

void StartProgram(const char* program, char switchChar) {
  std::string line = CommandLine(program, switchChar);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    const kv::KernelHandle process(info.hProcess), thread(info.hThread);
  }
}

}  // namespace wizard
