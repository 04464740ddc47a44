// Skinned dialog controls through KvAux.dll, loaded by name, on a real
// dialog: tinted backgrounds, bitmap button looks and edges read back from
// the screen, transparent controls, and the GDI objects a closed dialog
// leaves behind (counted by the library's test build).
#include <gtest/gtest.h>

#include <thread>

#include "auxui/skin_pixels.h"
#include "auxui/tests/kvaux_library.h"
#include "host/win_handle.h"

namespace {

// Resources of this program (skinned_test.rc).
constexpr int kBack8 = 201;   // 40 x 30 greys: left half 192, right half 64
constexpr int kBack24 = 202;  // 40 x 30 true colour: left half grey 192, right RGB(10, 200, 90)
constexpr int kNormal = 203;  // 20 x 20: grey 128 inside a 3-pixel transparent frame
constexpr int kHot = 204;     // 20 x 20: RGB(200, 40, 40) inside the same frame
constexpr int kWide8 = 205;   // 400 x 300 greys, 64 all over
constexpr int kDialog = 300;
constexpr int kButtonId = 310;
constexpr int kLabelId = 311;
constexpr int kBoxId = 312;
constexpr int kPictureSize = 20;
constexpr COLORREF kHotColour = RGB(200, 40, 40);

HINSTANCE Self() { return GetModuleHandleA(nullptr); }
const char* Resource(int id) { return MAKEINTRESOURCEA(id); }
COLORREF Face() { return GetSysColor(COLOR_BTNFACE); }

// The test dialog, its procedure ending in KvAuxDlgProc as a page's does.
struct DialogContext {
  const KvAuxLibrary* library;
  DialogBackground background;
};

INT_PTR CALLBACK TestDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) SetWindowLongPtrA(dialog, DWLP_USER, lParam);
  auto* context = reinterpret_cast<DialogContext*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (context == nullptr) return FALSE;
  const INT_PTR result = context->library->DlgProc(dialog, message, wParam, &context->background);
  SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
  return result;
}

class SkinnedDialog {
 public:
  SkinnedDialog(const KvAuxLibrary& library, HBITMAP background) : context_{&library, {background, 0, 0}} {
    window_.reset(CreateDialogParamA(Self(), Resource(kDialog), nullptr, TestDialogProc,
                                     reinterpret_cast<LPARAM>(&context_)));
    SetForegroundWindow(window_.get());
    UpdateWindow(window_.get());
  }
  HWND get() const { return window_.get(); }
  HWND item(int id) const { return GetDlgItem(window_.get(), id); }
  const DialogBackground& background() const { return context_.background; }
  void Close() { window_.reset(); }

  // The dialog's background as it erases, drawn off screen.
  COLORREF ErasedPixel(int x, int y) const {
    const kv::WindowDc screen(nullptr);
    kv::MemoryDc memory(screen.dc());
    RECT client{};
    GetClientRect(get(), &client);
    const kv::Bitmap canvas(CreateCompatibleBitmap(screen.dc(), client.right, client.bottom));
    const kv::Selection selected(memory.get(), canvas.get());
    SendMessageA(get(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory.get()), 0);
    return GetPixel(memory.get(), x, y);
  }
  POINT ClientCentre() const {
    RECT client{};
    GetClientRect(get(), &client);
    return {client.right / 2, client.bottom / 2};
  }

 private:
  DialogContext context_;
  Window window_;
};

COLORREF ShownPixel(HWND window, int x, int y) {
  const kv::WindowDc dc(window);
  return GetPixel(dc.dc(), x, y);
}

// What DrawEdge paints at a rectangle's top-left and bottom-right corners.
struct EdgeColours {
  COLORREF topLeft, bottomRight;
  bool operator==(const EdgeColours&) const = default;
};
EdgeColours ReferenceEdge(UINT edge) {
  const kv::WindowDc screen(nullptr);
  kv::MemoryDc memory(screen.dc());
  const kv::Bitmap canvas(CreateCompatibleBitmap(screen.dc(), 8, 8));
  const kv::Selection selected(memory.get(), canvas.get());
  RECT r{0, 0, 8, 8};
  FillRect(memory.get(), &r, GetSysColorBrush(COLOR_BTNFACE));
  DrawEdge(memory.get(), &r, edge, BF_RECT);
  return {GetPixel(memory.get(), 0, 0), GetPixel(memory.get(), 7, 7)};
}
EdgeColours ShownEdge(HWND button) {
  RECT r{};
  GetClientRect(button, &r);
  return {ShownPixel(button, 0, 0), ShownPixel(button, r.right - 1, r.bottom - 1)};
}
const EdgeColours kNoEdge = {Face(), Face()};

// A top-level window of another thread, in the foreground while it lives.
class ForegroundElsewhere {
 public:
  ForegroundElsewhere() {
    const HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this, ready] {
      threadId_ = GetCurrentThreadId();
      window_ = CreateWindowExA(0, "Static", "elsewhere", WS_POPUP | WS_VISIBLE, 500, 10, 100, 50, nullptr,
                                nullptr, Self(), nullptr);
      SetEvent(ready);
      MSG msg;
      while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
      DestroyWindow(window_);
    });
    WaitForSingleObject(ready, INFINITE);
    CloseHandle(ready);
    SetForegroundWindow(window_);
  }
  ~ForegroundElsewhere() {
    PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    thread_.join();
  }
  HWND get() const { return window_; }

 private:
  std::thread thread_;
  DWORD threadId_ = 0;
  HWND window_ = nullptr;
};

TEST(KvAuxBackground, PaletteOfAnEightBitPictureIsTintedAndTrueColourIsNot) {
  const KvAuxLibrary library;
  ASSERT_TRUE(library.complete());
  EXPECT_EQ(library.Background(Self(), Resource(999)), nullptr);

  SkinnedDialog tinted(library, library.Background(Self(), Resource(kBack8)));
  ASSERT_NE(tinted.background().bitmap, nullptr);
  EXPECT_EQ(tinted.background().width, 40);
  EXPECT_EQ(tinted.background().height, 30);
  const POINT c = tinted.ClientCentre();
  const kvaux::ColourRamp ramp = kvaux::MakeColourRamp(Face());
  EXPECT_EQ(tinted.ErasedPixel(c.x - 10, c.y), Face());           // grey 192 of the picture
  EXPECT_EQ(tinted.ErasedPixel(c.x + 10, c.y), ramp[64]);         // grey 64, a darker face
  EXPECT_EQ(tinted.ErasedPixel(c.x + 10, c.y - 20), Face());      // outside the picture
  const HBITMAP picture = tinted.background().bitmap;
  tinted.Close();
  EXPECT_EQ(GetObjectType(picture), 0u) << "the dialog's picture is deleted with it";

  SkinnedDialog drawn(library, library.Background(Self(), Resource(kBack24)));
  EXPECT_EQ(drawn.ErasedPixel(c.x - 10, c.y), RGB(192, 192, 192));
  EXPECT_EQ(drawn.ErasedPixel(c.x + 10, c.y), RGB(10, 200, 90));
}

TEST(KvAuxButton, LooksAndEdgesFollowHoverPressCheckAndEnable) {
  const KvAuxLibrary library;
  ASSERT_TRUE(library.complete());
  SkinnedDialog dialog(library, nullptr);
  EXPECT_FALSE(library.Button(dialog.get(), 999, Self(), Resource(kHot), Resource(kNormal)));
  ASSERT_TRUE(library.Button(dialog.get(), kButtonId, Self(), Resource(kHot), Resource(kNormal)));
  const HWND button = dialog.item(kButtonId);
  RECT client{};
  GetClientRect(button, &client);
  const int cx = client.right / 2, cy = client.bottom / 2;
  const int frameX = kvaux::CentredOffset(client.right, kPictureSize) + 1;
  const int frameY = kvaux::CentredOffset(client.bottom, kPictureSize) + 1;
  auto redraw = [&] { RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); };
  auto mouse = [&](UINT message, int x, int y) { SendMessageA(button, message, 0, MAKELPARAM(x, y)); };

  const COLORREF tinted = kvaux::MakeColourRamp(Face())[128];
  redraw();
  EXPECT_EQ(ShownPixel(button, cx, cy), tinted);
  EXPECT_EQ(ShownPixel(button, frameX, frameY), Face()) << "the transparent frame shows the dialog";
  EXPECT_EQ(ShownEdge(button), kNoEdge);

  {
    const ForegroundElsewhere other;
    ASSERT_EQ(GetForegroundWindow(), other.get());
    mouse(WM_MOUSEMOVE, cx, cy);
    EXPECT_EQ(GetCapture(), nullptr) << "no hover while another thread is in the foreground";
    EXPECT_EQ(ShownPixel(button, cx, cy), tinted);
    EXPECT_EQ(ShownEdge(button), kNoEdge);
  }
  SetForegroundWindow(dialog.get());
  mouse(WM_MOUSEMOVE, cx, cy);
  EXPECT_EQ(GetCapture(), button) << "hover is tracked with the capture";
  EXPECT_EQ(ShownPixel(button, cx, cy), kHotColour);
  EXPECT_EQ(ShownPixel(button, frameX, frameY), Face());
  EXPECT_EQ(ShownEdge(button), ReferenceEdge(BDR_RAISEDINNER));

  mouse(WM_LBUTTONDOWN, cx, cy);
  EXPECT_EQ(ShownPixel(button, cx, cy), kHotColour);
  EXPECT_EQ(ShownEdge(button), ReferenceEdge(BDR_SUNKENOUTER));
  mouse(WM_LBUTTONUP, cx, cy);
  EXPECT_EQ(ShownEdge(button), ReferenceEdge(BDR_RAISEDINNER)) << "released over the button";

  mouse(WM_MOUSEMOVE, cx + 1, cy);  // the standard procedure let the capture go at the release
  EXPECT_EQ(GetCapture(), button);
  mouse(WM_MOUSEMOVE, -5, cy);
  EXPECT_EQ(ShownPixel(button, cx, cy), tinted);
  EXPECT_EQ(ShownEdge(button), kNoEdge);
  EXPECT_NE(GetCapture(), button);

  SendMessageA(button, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(ShownPixel(button, cx, cy), kHotColour);
  EXPECT_EQ(ShownEdge(button), ReferenceEdge(BDR_SUNKENOUTER));

  EnableWindow(button, FALSE);
  const COLORREF faded = RGB((GetRValue(tinted) + GetRValue(Face())) / 2, (GetGValue(tinted) + GetGValue(Face())) / 2,
                             (GetBValue(tinted) + GetBValue(Face())) / 2);
  EXPECT_EQ(ShownPixel(button, cx, cy), faded);
  EXPECT_EQ(ShownPixel(button, frameX, frameY), Face());
  EXPECT_EQ(ShownEdge(button), ReferenceEdge(BDR_SUNKENOUTER)) << "a disabled checked button keeps the edge";
}

TEST(KvAuxTransparent, SubclassesTheDialogOnceAndShowsTheBackgroundThroughALabel) {
  const KvAuxLibrary library;
  ASSERT_TRUE(library.complete());
  SkinnedDialog dialog(library, library.Background(Self(), Resource(kWide8)));
  const LONG_PTR original = GetWindowLongPtrA(dialog.get(), GWLP_WNDPROC);
  EXPECT_TRUE(library.Transparent(dialog.get(), 0));
  const LONG_PTR subclassed = GetWindowLongPtrA(dialog.get(), GWLP_WNDPROC);
  EXPECT_NE(subclassed, original);
  EXPECT_TRUE(library.Transparent(dialog.get(), 0));
  EXPECT_EQ(GetWindowLongPtrA(dialog.get(), GWLP_WNDPROC), subclassed);
  EXPECT_EQ(GetWindowLongPtrA(dialog.get(), GWLP_USERDATA), 0) << "the caller's own data is left alone";

  EXPECT_TRUE(library.Transparent(dialog.get(), kLabelId));
  EXPECT_TRUE(library.Transparent(dialog.get(), kBoxId));
  const HWND label = dialog.item(kLabelId);
  const kv::WindowDc dc(label);
  EXPECT_EQ(SendMessageA(dialog.get(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.dc()),
                         reinterpret_cast<LPARAM>(label)),
            reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));

  SetWindowTextA(label, "Label");
  RedrawWindow(dialog.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  RECT r{};
  GetClientRect(label, &r);
  const COLORREF dark = kvaux::MakeColourRamp(Face())[64];
  EXPECT_EQ(ShownPixel(label, r.right - 2, r.bottom / 2), dark) << "past the text the picture shows";
  int textPixels = 0;
  for (int x = 0; x < r.right / 2; ++x)
    for (int y = 0; y < r.bottom; ++y) textPixels += ShownPixel(label, x, y) != dark;
  EXPECT_GT(textPixels, 0) << "the text is drawn over the picture";
}

TEST(KvAuxTransparent, ClosedDialogStillDeletesItsFont) {
  const KvAuxLibrary library;
  ASSERT_TRUE(library.complete());
  SkinnedDialog dialog(library, nullptr);
  const auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(dialog.get(), WM_GETFONT, 0, 0));
  ASSERT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT)) << "a DS_SETFONT dialog makes its own font";
  EXPECT_TRUE(library.Transparent(dialog.get(), kLabelId));
  EXPECT_TRUE(library.Transparent(dialog.get(), kBoxId));
  dialog.Close();
  EXPECT_EQ(GetObjectType(font), 0u) << "the dialog's cleanup still ran";
}

TEST(KvAuxGdiObjects, NoneLeftWhenSkinnedDialogsClose) {
  const KvAuxLibrary probe("KvAuxProbe.dll");
  ASSERT_TRUE(probe.complete());
  const auto live = probe.Export<long(KV_CALL*)()>("KvAuxLiveGdiObjects");
  ASSERT_NE(live, nullptr);
  const long before = live();
  for (int round = 0; round < 2; ++round) {
    SkinnedDialog dialog(probe, probe.Background(Self(), Resource(kBack8)));
    ASSERT_TRUE(probe.Button(dialog.get(), kButtonId, Self(), Resource(kHot), Resource(kNormal)));
    probe.Transparent(dialog.get(), kLabelId);
    const HWND button = dialog.item(kButtonId);
    SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    SendMessageA(button, BM_SETCHECK, BST_CHECKED, 0);
    EnableWindow(button, FALSE);
    SetWindowTextA(dialog.item(kLabelId), "Other");
    EXPECT_GT(live(), before) << "the button holds its pictures";
    dialog.Close();
    EXPECT_EQ(live(), before) << "round " << round;
  }

  // A bitmap button made transparent and then a bitmap button again keeps
  // one set of pictures, deleted with it.
  SkinnedDialog dialog(probe, nullptr);
  const HWND button = dialog.item(kButtonId);
  auto paint = [&] { RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); };
  ASSERT_TRUE(probe.Button(dialog.get(), kButtonId, Self(), Resource(kHot), Resource(kNormal)));
  paint();
  ASSERT_TRUE(probe.Transparent(dialog.get(), kButtonId));
  paint();
  ASSERT_TRUE(probe.Button(dialog.get(), kButtonId, Self(), Resource(kHot), Resource(kNormal)));
  paint();
  dialog.Close();
  EXPECT_EQ(live(), before) << "both uses of the button let go of their data";
}

}  // namespace
