// Rich-edit labels through KvAux.dll, loaded by name, on real windows: the
// text shown, bold and link ranges read back from the control, the focus and
// the cursor.
#include <gtest/gtest.h>
#include <richedit.h>

#include <algorithm>
#include <string>
#include <vector>

#include "auxui/tests/kvaux_library.h"
#include "host/win_handle.h"

namespace {

constexpr int kLabelId = 100;
constexpr int kEditId = 101;
constexpr int kMissingId = 555;
constexpr char kHostClass[] = "KvAuxRichEditHost";

std::vector<UINT> g_linkMessages;       // EN_LINK mouse messages the host received
std::vector<CHARRANGE> g_clickedLinks;  // the range of each EN_LINK for a button release

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->code == EN_LINK) {
      const auto* link = reinterpret_cast<const ENLINK*>(lParam);
      g_linkMessages.push_back(link->msg);
      if (link->msg == WM_LBUTTONUP) g_clickedLinks.push_back(link->chrg);
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// One visible top-level window for the whole program: under Wine without a
// window manager, hiding or destroying an active top-level window waits for
// seconds, so each test makes only its child controls.
class TopWindow {
 public:
  TopWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kHostClass;
    RegisterClassA(&wc);
    window_.reset(CreateWindowExA(0, kHostClass, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 400, 300,
                                  nullptr, nullptr, wc.hInstance, nullptr));
    SetForegroundWindow(window_.get());
  }
  TopWindow(const TopWindow&) = delete;
  TopWindow& operator=(const TopWindow&) = delete;
  ~TopWindow() {
    window_.reset();
    UnregisterClassA(kHostClass, GetModuleHandleA(nullptr));
  }
  HWND get() const { return window_.get(); }

 private:
  Window window_;
};

HWND SharedTopWindow() {
  static TopWindow top;
  return top.get();
}

// A rich edit (kLabelId) and a plain edit (kEditId) in the top window.
class LabelHost {
 public:
  LabelHost() : richEdit_(LoadLibraryA("riched20.dll")), window_(SharedTopWindow()) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    label_.reset(CreateWindowExA(0, RICHEDIT_CLASSA, "",
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_READONLY, 10, 10, 300, 100,
                                 window_, reinterpret_cast<HMENU>(kLabelId), instance, nullptr));
    edit_.reset(CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 150, 300, 24, window_,
                                reinterpret_cast<HMENU>(kEditId), instance, nullptr));
    // As in a dialog, the controls get the dialog's font; the rich edit's own
    // default, the system font, is bold.
    SendMessageA(label(), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    SetFocus(edit());
    g_linkMessages.clear();
    g_clickedLinks.clear();
  }
  LabelHost(const LabelHost&) = delete;
  LabelHost& operator=(const LabelHost&) = delete;
  bool ready() const { return label_ && edit_; }
  HWND window() const { return window_; }
  HWND label() const { return label_.get(); }
  HWND edit() const { return edit_.get(); }

  std::string Text() const {
    char text[512] = {};
    GetWindowTextA(label(), text, sizeof text);
    return text;
  }

  // Effects that hold for every character of [start, start + length).
  DWORD Effects(int start, int length) const {
    SendMessageA(label(), EM_SETSEL, start, start + length);
    CHARFORMAT2A format{};
    format.cbSize = sizeof format;
    SendMessageA(label(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    SendMessageA(label(), EM_SETSEL, static_cast<WPARAM>(-1), 0);
    return format.dwEffects & format.dwMask & (CFE_BOLD | CFE_LINK);
  }

  // The first client point of a character.
  LPARAM PointOf(int character) const {
    POINTL point{};
    SendMessageA(label(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&point), character);
    return MAKELPARAM(point.x + 2, point.y + 2);
  }

 private:
  kv::Library richEdit_;  // declared first: the controls go before their library
  HWND window_;
  Window label_;
  Window edit_;
};

// A subclass laid over a label by someone else, as a dialog framework does;
// it notices when calls come back to it instead of going on down the chain.
WNDPROC g_underOuter = nullptr;
int g_outerDepth = 0;
bool g_outerReentered = false;
constexpr int kReentryLimit = 8;

LRESULT CALLBACK OuterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (g_outerDepth >= kReentryLimit) {
    g_outerReentered = true;
    return 0;
  }
  ++g_outerDepth;
  const LRESULT result = CallWindowProcA(g_underOuter, window, message, wParam, lParam);
  --g_outerDepth;
  return result;
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

class KvAuxRichEdit : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(aux.complete());
    ASSERT_TRUE(host.ready());
  }
  KvAuxLibrary aux;
  LabelHost host;
};

}  // namespace

TEST_F(KvAuxRichEdit, MarkedUpTextShowsBoldAndLinkRanges) {
  ASSERT_TRUE(aux.RE(host.window(), kLabelId));
  TextMark marks[2] = {{9, 9, 'b'}, {9, 9, '1'}};
  aux.RESetText(host.window(), kLabelId, "\\bWelcome\\b, see \\1this topic\\1.", marks, 2);
  EXPECT_EQ(host.Text(), "Welcome, see this topic.");
  EXPECT_EQ(marks[0].start, 0);
  EXPECT_EQ(marks[0].length, 7);
  EXPECT_EQ(marks[1].start, 13);
  EXPECT_EQ(marks[1].length, 10);
  EXPECT_EQ(host.Effects(0, 7), static_cast<DWORD>(CFE_BOLD));
  EXPECT_EQ(host.Effects(7, 6), 0u);
  EXPECT_EQ(host.Effects(13, 10), static_cast<DWORD>(CFE_LINK));
  EXPECT_EQ(host.Effects(23, 1), 0u);
}

TEST_F(KvAuxRichEdit, BoldAroundALinkFormatsBoth) {
  TextMark marks[2] = {{0, 0, 'b'}, {0, 0, '1'}};
  aux.RESetText(host.window(), kLabelId, "\\bA\\1B\\1C\\b", marks, 2);
  EXPECT_EQ(host.Text(), "ABC");
  EXPECT_EQ(host.Effects(0, 1), static_cast<DWORD>(CFE_BOLD));
  EXPECT_EQ(host.Effects(1, 1), static_cast<DWORD>(CFE_BOLD | CFE_LINK));
  EXPECT_EQ(host.Effects(2, 1), static_cast<DWORD>(CFE_BOLD));
}

TEST_F(KvAuxRichEdit, TextsWithoutUsableMarksAreShownAsTheyAre) {
  aux.RESetText(host.window(), kLabelId, "\\bplain", nullptr, 0);
  EXPECT_EQ(host.Text(), "\\bplain");
  TextMark open[1] = {{5, 5, 'b'}};
  aux.RESetText(host.window(), kLabelId, "\\bhalf", open, 1);
  EXPECT_EQ(host.Text(), "half");
  EXPECT_EQ(open[0].start, 0);
  EXPECT_EQ(open[0].length, 0);
  EXPECT_EQ(host.Effects(0, 4), 0u);
  aux.RESetText(host.window(), kLabelId, nullptr, open, 1);  // ignored, marks read "not found"
  EXPECT_EQ(host.Text(), "half");
  EXPECT_EQ(open[0].start, -1);
}

TEST_F(KvAuxRichEdit, DirectFormattingReportsWhetherItWasAccepted) {
  SetWindowTextA(host.label(), "abcdef");
  EXPECT_TRUE(aux.REBold(host.window(), kLabelId, 1, 2));
  EXPECT_TRUE(aux.RELink(host.window(), kLabelId, 4, 2));
  EXPECT_EQ(host.Effects(1, 2), static_cast<DWORD>(CFE_BOLD));
  EXPECT_EQ(host.Effects(4, 2), static_cast<DWORD>(CFE_LINK));
  EXPECT_EQ(host.Effects(0, 1), 0u);
  EXPECT_EQ(host.Effects(3, 1), 0u);
  EXPECT_FALSE(aux.REBold(host.window(), kMissingId, 0, 1));
  EXPECT_FALSE(aux.RELink(host.window(), kMissingId, 0, 1));
  EXPECT_FALSE(aux.RE(host.window(), kMissingId));
  DWORD start = 9, end = 9;
  SendMessageA(host.label(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, end);  // no selection is left behind
}

TEST_F(KvAuxRichEdit, APreparedLabelNeverKeepsTheFocus) {
  ASSERT_TRUE(aux.RE(host.window(), kLabelId));
  EXPECT_EQ(GetWindowLongA(host.label(), GWL_STYLE) & WS_TABSTOP, 0);
  EXPECT_EQ(SendMessageA(host.label(), EM_GETEVENTMASK, 0, 0), ENM_LINK);
  ASSERT_EQ(GetFocus(), host.edit());

  SetFocus(host.label());
  EXPECT_EQ(GetFocus(), host.edit());

  aux.RESetText(host.window(), kLabelId, "some text", nullptr, 0);
  SendMessageA(host.label(), WM_LBUTTONDOWN, MK_LBUTTON, host.PointOf(1));
  SendMessageA(host.label(), WM_LBUTTONUP, 0, host.PointOf(1));
  Pump();
  EXPECT_EQ(GetFocus(), host.edit());

  EXPECT_TRUE(aux.RE(host.window(), kLabelId));  // a second call changes nothing
  SetFocus(host.label());
  EXPECT_EQ(GetFocus(), host.edit());
}

TEST_F(KvAuxRichEdit, APreparedLabelShowsTheArrow) {
  const HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
  const HCURSOR ibeam = LoadCursor(nullptr, IDC_IBEAM);
  SetWindowTextA(host.label(), "text under the mouse");
  const LPARAM at = host.PointOf(3);
  POINT screen{LOWORD(at), HIWORD(at)};
  ClientToScreen(host.label(), &screen);
  SetCursorPos(screen.x, screen.y);
  const LPARAM hit = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);

  SetCursor(arrow);
  SendMessageA(host.label(), WM_SETCURSOR, reinterpret_cast<WPARAM>(host.label()), hit);
  const bool plainShowsIbeam = GetCursor() == ibeam;

  ASSERT_TRUE(aux.RE(host.window(), kLabelId));
  SetCursor(ibeam);
  SendMessageA(host.label(), WM_SETCURSOR, reinterpret_cast<WPARAM>(host.label()), hit);
  EXPECT_EQ(GetCursor(), arrow);
  if (!plainShowsIbeam) GTEST_LOG_(INFO) << "this rich edit does not show the I-beam on its own";
}

TEST_F(KvAuxRichEdit, ClicksOnALinkReachTheDialog) {
  ASSERT_TRUE(aux.RE(host.window(), kLabelId));
  TextMark link[1] = {{0, 0, '1'}};
  aux.RESetText(host.window(), kLabelId, "open \\1this topic\\1 now", link, 1);
  ASSERT_EQ(link[0].start, 5);
  SendMessageA(host.label(), WM_LBUTTONDOWN, MK_LBUTTON, host.PointOf(7));
  SendMessageA(host.label(), WM_LBUTTONUP, 0, host.PointOf(7));
  Pump();
  EXPECT_NE(std::find(g_linkMessages.begin(), g_linkMessages.end(), static_cast<UINT>(WM_LBUTTONUP)),
            g_linkMessages.end());
  EXPECT_EQ(GetFocus(), host.edit());
}

TEST_F(KvAuxRichEdit, PreparingAgainUnderAnotherSubclassKeepsTheChain) {
  ASSERT_TRUE(aux.RE(host.window(), kLabelId));
  g_outerReentered = false;
  g_underOuter = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(host.label(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OuterProc)));
  ASSERT_NE(g_underOuter, nullptr);

  EXPECT_TRUE(aux.RE(host.window(), kLabelId));
  SetWindowTextA(host.label(), "chained");
  EXPECT_EQ(host.Text(), "chained");
  EXPECT_FALSE(g_outerReentered);
  SetFocus(host.label());
  EXPECT_EQ(GetFocus(), host.edit());
  SetWindowLongPtrA(host.label(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_underOuter));
}

// The wizard tells a click on its link by comparing EN_LINK's range with the
// mark, so the mark must count the text as the control holds it.
TEST_F(KvAuxRichEdit, MarksAfterLineBreaksMatchWhatTheControlHolds) {
  ASSERT_TRUE(aux.RE(host.window(), kLabelId));
  for (const char* lineBreak : {"\r\n", "\n"}) {
    SCOPED_TRACE(lineBreak[0] == '\r' ? "CR LF" : "LF");
    const std::string text = std::string("\\bHeading\\b") + lineBreak + "see \\1this topic\\1.";
    TextMark marks[2] = {{0, 0, 'b'}, {0, 0, '1'}};
    aux.RESetText(host.window(), kLabelId, text.c_str(), marks, 2);
    EXPECT_EQ(marks[0].start, 0);
    EXPECT_EQ(marks[0].length, 7);
    EXPECT_EQ(marks[1].start, 12);  // "Heading", one break, "see "
    EXPECT_EQ(marks[1].length, 10);
    const int link = marks[1].start, end = marks[1].start + marks[1].length;
    EXPECT_EQ(host.Effects(0, 7), static_cast<DWORD>(CFE_BOLD));
    EXPECT_EQ(host.Effects(link - 1, 1), 0u);
    EXPECT_EQ(host.Effects(link, marks[1].length), static_cast<DWORD>(CFE_LINK));
    EXPECT_EQ(host.Effects(end, 1), 0u);

    g_clickedLinks.clear();
    SendMessageA(host.label(), WM_LBUTTONDOWN, MK_LBUTTON, host.PointOf(link + 2));
    SendMessageA(host.label(), WM_LBUTTONUP, 0, host.PointOf(link + 2));
    Pump();
    ASSERT_EQ(g_clickedLinks.size(), 1u);
    EXPECT_EQ(g_clickedLinks[0].cpMin, link);
    EXPECT_EQ(g_clickedLinks[0].cpMax, end);
  }
}
