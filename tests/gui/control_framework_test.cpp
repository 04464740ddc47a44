// The control framework with controls of this test in the module's own
// main window: message dispatch and its rules, painting in slot order, the
// masked draw and hit test, and the tooltip.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "graphic/core/bitmap_control_win.h"
#include "graphic/core/control_table_win.h"
#include "host/win_handle.h"
#include "graphic/core/main_window_win.h"
#include "graphic/core/module_timers_win.h"
#include "graphic/core/module_state_win.h"
#include "host/engine_messages.h"
#include "host/kv_ini.h"
#include "tests/gui/gui.h"
#include "tests/support/wintest.h"

namespace {

using vrx::SkinControl;

constexpr int kW = 200, kH = 80;
// How long the mouse rests before a tip shows, and where the tip goes.
constexpr DWORD kTipRestMs = 500;
constexpr int kTipOffset = 15;
constexpr COLORREF kPicture = RGB(0, 0, 255);
// The skin bitmap: background gradient at the top left; below it a blue
// picture at (0, 100) and its mask at (50, 100), black on the left half.
constexpr int kPicX = 0, kPicY = 100, kMaskX = 50, kMaskY = 100, kPicW = 40, kPicH = 30;

COLORREF SkinPixel(int x, int y) {
  if (y >= kPicY && y < kPicY + kPicH) {
    if (x >= kPicX && x < kPicX + kPicW) return kPicture;
    if (x >= kMaskX && x < kMaskX + kPicW) return x - kMaskX < kPicW / 2 ? RGB(0, 0, 0) : RGB(255, 255, 255);
  }
  return RGB((x * 5) & 0xFF, 120, (y * 9) & 0xFF);
}

// A bitmap control of this test: the masked picture, with a tooltip where
// the mask lets the mouse through.
class Picture : public SkinControl {
 public:
  Picture(int px, int py, bool masked) : masked_(masked) {
    x = px;
    y = py;
    width = kPicW;
    height = kPicH;
  }
  int HoverState() override { return Over() ? vrx::kHoverTip : vrx::kHoverNone; }
  const char* TooltipText() override { return "A picture"; }
  void Paint(HDC dc) override {
    vrx::DrawSkinImage(dc, vrx::Module().skinDc(), width, height, kPicX, kPicY, Mask());
    ++paints;
  }
  static inline std::atomic<int> paints{0};
  bool HandleMessage(UINT message, WPARAM, LPARAM, LRESULT* result) override {
    if (message == WM_SETCURSOR && Over()) {
      SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
      *result = TRUE;
      return true;
    }
    return false;
  }

 private:
  std::optional<POINT> Mask() const {
    return masked_ ? std::optional<POINT>(POINT{kMaskX, kMaskY}) : std::nullopt;
  }
  bool Over() const {
    return vrx::HitSkinImage(vrx::Module().skinDc(), vrx::Controls().ToControl(*this), width, height, Mask());
  }
  bool masked_;
};

// Takes a chosen message with a chosen hover state and notes what reached it.
class Recorder : public SkinControl {
 public:
  Recorder(int slot, UINT takes, int hover, COLORREF fill) : slot_(slot), takes_(takes), hover_(hover), fill_(fill) {
    x = 100;
    y = 10;
    width = 60;
    height = 40;
  }
  int HoverState() override { return hover_; }
  void Paint(HDC dc) override {
    HBRUSH brush = CreateSolidBrush(fill_);
    RECT r{0, 0, width, height};  // control coordinates: the origin is moved
    FillRect(dc, &r, brush);
    DeleteObject(brush);
  }
  bool HandleMessage(UINT message, WPARAM, LPARAM, LRESULT*) override;

 private:
  int slot_;
  UINT takes_;
  int hover_;
  COLORREF fill_;
};

// A control whose tip follows the mouse with a fresh text, as a slider's
// value does while it is dragged.
class Follower : public SkinControl {
 public:
  Follower() {
    x = 20;
    y = 10;
    width = 160;
    height = 60;
  }
  int HoverState() override {
    const POINT p = vrx::Controls().ToControl(*this);
    return p.x >= 0 && p.y >= 0 && p.x < width && p.y < height ? vrx::kHoverFollow : vrx::kHoverNone;
  }
  const char* TooltipText() override {
    wsprintfA(text_, "value %d", ++asked_);
    return text_;
  }
  void Paint(HDC) override {}
  bool HandleMessage(UINT, WPARAM, LPARAM, LRESULT*) override { return false; }

 private:
  char text_[32] = {};
  int asked_ = 0;
};

// Asks for its tip at once when pressed, as the time-shift slider does.
class Presser : public Follower {
 public:
  int HoverState() override { return pressed_ ? vrx::kHoverFollow : Follower::HoverState(); }
  bool HandleMessage(UINT message, WPARAM, LPARAM, LRESULT*) override {
    if (message != WM_LBUTTONDOWN || Follower::HoverState() == vrx::kHoverNone) return false;
    pressed_ = true;
    vrx::Controls().ShowTooltip(vrx::Controls().SlotOf(this));
    return true;
  }

 private:
  bool pressed_ = false;
};

// Runs a timer of its own number through the module's timer table and
// stops it after three ticks.
class Ticker : public SkinControl {
 public:
  static constexpr UINT kNumber = 10;  // the same for every ticker
  Ticker() { vrx::Timers().Start(this, kNumber, 30); }
  ~Ticker() override { vrx::Timers().Stop(this, kNumber); }
  void Paint(HDC) override {}
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM, LRESULT*) override {
    if (message != WM_TIMER || !vrx::Timers().Is(wParam, this, kNumber)) return false;
    if (++ticks == 3) {
      vrx::Timers().Stop(this, kNumber);
      killed = !KillTimer(vrx::Controls().window(), wParam);  // false: Stop killed it already
    }
    return true;
  }
  std::atomic<int> ticks{0};
  std::atomic<bool> killed{false};
};
std::vector<Ticker*> g_tickers;

std::mutex g_mutex;
std::vector<std::pair<int, UINT>> g_seen;  // slot, message
std::function<std::unique_ptr<SkinControl>(int)> g_make;
std::vector<int> g_slots;
std::string g_skinPath;

bool Recorder::HandleMessage(UINT message, WPARAM, LPARAM, LRESULT*) {
  if (message != takes_) return false;
  std::lock_guard<std::mutex> lock(g_mutex);
  g_seen.emplace_back(slot_, message);
  return true;
}

std::vector<int> SlotsThatSaw(UINT message) {
  std::lock_guard<std::mutex> lock(g_mutex);
  std::vector<int> out;
  for (const auto& [slot, m] : g_seen)
    if (m == message) out.push_back(slot);
  return out;
}

std::unique_ptr<SkinControl> TestFactory(int slot) { return g_make(slot); }

// Plays the module's part around the main window: skin, window, loop.
void __cdecl FrameworkModule() {
  vrx::ModuleState& m = vrx::Module();
  m.instance = GetModuleHandleA(nullptr);
  if (!m.skinImage.Load(g_skinPath)) return;
  m.skin = skin::SkinDescription();
  m.skin.general.width = kW;
  m.skin.general.height = kH;
  for (int slot : g_slots) m.skin.present[slot] = true;
  {
    vrx::MainWindow window;
    if (window.Create(&TestFactory)) {
      MSG msg;
      while (GetMessageA(&msg, nullptr, 0, 0) > 0 && msg.message != engine::kCloseModule) {
        const DWORD pos = GetMessagePos();
        m.mouse = {static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
    }
  }
  m.skinImage.Release();
  vrx::UnregisterMainWindowClass();
}

class ControlFramework : public testing::Test {
 protected:
  void SetUp() override {
    g_skinPath = wintest::TempFolder() + "framework.bmp";
    ASSERT_TRUE(wintest::WriteBitmap(g_skinPath, kW, kPicY + kPicH, SkinPixel));
    KvIniSetDword("Vrx", "Flags", 0x01);  // on top, no hiding
    KvIniSetDword("Vrx", "X", 300);
    KvIniSetDword("Vrx", "Y", 200);
    std::lock_guard<std::mutex> lock(g_mutex);
    g_seen.clear();
  }
  HWND Start() {
    module_ = std::make_unique<wintest::ModuleThread>(&FrameworkModule);
    HWND w = module_->WaitWindow("QorvVarix");
    module_->WaitIdle();
    return w;
  }
  HWND Tip() const { return wintest::ThreadWindow(module_->threadId(), TOOLTIPS_CLASSA, false); }

  wintest::IsolatedSettings settings_;
  gui::EngineWindow engine_;
  std::unique_ptr<wintest::ModuleThread> module_;
};

TEST_F(ControlFramework, MaskedDrawLeavesTheBackgroundWhereTheMaskIsBlack) {
  g_slots = {0, 1};
  g_make = [](int slot) { return std::make_unique<Picture>(slot == 0 ? 10 : 60, 20, slot == 1); };
  HWND window = Start();
  ASSERT_NE(window, nullptr);
  const gui::Pixels px = gui::CaptureClient(window);
  ASSERT_EQ(px.width, kW);
  for (int y = 20; y < 20 + kPicH; y += 7) {
    for (int dx = 0; dx < kPicW; dx += 3) {
      EXPECT_EQ(px.at(10 + dx, y), kPicture) << dx;  // unmasked: the whole picture
      const COLORREF expected = dx < kPicW / 2 ? SkinPixel(60 + dx, y) : kPicture;
      EXPECT_EQ(px.at(60 + dx, y), expected) << dx << "," << y;
    }
  }
  EXPECT_EQ(px.at(9, 20), SkinPixel(9, 20));

  // Each masked draw makes its work bitmap and DC and frees them again.
  const long held = kv::gdi::LiveObjects();
  for (int i = 0; i < 50; ++i) {
    const int before = Picture::paints;
    InvalidateRect(window, nullptr, FALSE);
    ASSERT_TRUE(wintest::WaitUntil([&] { return Picture::paints >= before + 2; }));
  }
  ASSERT_TRUE(module_->WaitIdle());
  EXPECT_EQ(kv::gdi::LiveObjects(), held);
  EXPECT_EQ(gui::CaptureClient(window).at(60 + kPicW - 1, 20), kPicture);
}

TEST(MaskedDraw, WithoutItsWorkBitmapTheBackgroundStaysAsItWas) {
  // A white mask over a grey background: a draw whose work bitmap cannot be
  // had (far too big for the address space) must not leave the mask's white.
  kv::MemoryDc skin(nullptr), target(nullptr);
  const HDC screen = GetDC(nullptr);
  kv::Bitmap skinBits(CreateCompatibleBitmap(screen, 4, 4)), targetBits(CreateCompatibleBitmap(screen, 4, 4));
  ReleaseDC(nullptr, screen);
  ASSERT_TRUE(skin && target && skinBits && targetBits);
  kv::Selection s1(skin.get(), skinBits.get()), s2(target.get(), targetBits.get());
  const RECT all{0, 0, 4, 4};
  kv::Brush white(CreateSolidBrush(RGB(255, 255, 255))), grey(CreateSolidBrush(RGB(90, 90, 90)));
  FillRect(skin.get(), &all, white.get());
  FillRect(target.get(), &all, grey.get());
  vrx::DrawSkinImage(target.get(), skin.get(), 40000, 40000, 0, 0, POINT{0, 0});
  EXPECT_EQ(GetPixel(target.get(), 1, 1), RGB(90, 90, 90));
}

TEST_F(ControlFramework, ATooltipShowsAfterTheRestAndGoesOnAClick) {
  g_slots = {5};
  g_make = [](int) { return std::make_unique<Picture>(60, 20, true); };
  HWND window = Start();
  ASSERT_NE(window, nullptr);
  HWND tip = Tip();
  ASSERT_NE(tip, nullptr);
  EXPECT_FALSE(IsWindowVisible(tip));

  // On the black half of the mask the control is not hit: no tip.
  const POINT black = gui::ScreenPoint(window, 60 + 5, 30);
  ASSERT_TRUE(gui::MouseTo(black.x, black.y));
  gui::MouseTo(black.x + 1, black.y);
  ASSERT_TRUE(module_->WaitIdle());
  ASSERT_TRUE(module_->WaitRest(kTipRestMs + 100));
  EXPECT_FALSE(IsWindowVisible(tip));

  const POINT over = gui::ScreenPoint(window, 60 + 30, 30);
  // Read before the move: a tip seen sooner than the rest after it came early
  // (a busy machine may keep this thread away until the rest has passed).
  const DWORD moved = GetTickCount();
  ASSERT_TRUE(gui::MouseTo(over.x, over.y));
  ASSERT_TRUE(module_->WaitIdle());
  EXPECT_TRUE(!IsWindowVisible(tip) || GetTickCount() - moved >= kTipRestMs) << "before the rest";
  ASSERT_TRUE(wintest::WaitUntil([&] { return IsWindowVisible(tip) != FALSE; }));
  // Tracked at 15 pixels right of and below the cursor, which lies clear of
  // the control's rectangle here.
  const RECT r = gui::WindowRect(tip);
  EXPECT_NEAR(r.left, over.x + kTipOffset, 2);
  EXPECT_NEAR(r.top, over.y + kTipOffset, 2);
  char text[64] = {};
  GetWindowTextA(tip, text, sizeof text);
  EXPECT_STREQ(text, "A picture");

  gui::LeftClick(over.x, over.y);
  ASSERT_TRUE(wintest::WaitUntil([&] { return !IsWindowVisible(tip); }));
}

TEST_F(ControlFramework, NoTooltipsFlagKeepsRestingTipsAwayButNotAskedOnes) {
  KvIniSetDword("Vrx", "Flags", 0x01 | 0x40);
  g_slots = {40};
  g_make = [](int) { return std::make_unique<Presser>(); };
  HWND window = Start();
  ASSERT_NE(window, nullptr);
  const POINT over = gui::ScreenPoint(window, 70, 30);
  ASSERT_TRUE(gui::MouseTo(over.x, over.y));
  ASSERT_TRUE(module_->WaitIdle());
  ASSERT_TRUE(module_->WaitRest(kTipRestMs + 100));
  EXPECT_FALSE(IsWindowVisible(Tip()));
  // Pressed, the control asks for its tip at once, and the press keeps it.
  gui::LeftDown();
  ASSERT_TRUE(wintest::WaitUntil([&] { return IsWindowVisible(Tip()) != FALSE; }));
  gui::LeftUp();
}

TEST_F(ControlFramework, ABusyControlKeepsAMessageFromTheSlotsAbove) {
  // Slots 3 and 9 overlap; 3 takes clicks. Busy (hover 0): 9 never sees them.
  g_slots = {3, 9};
  g_make = [](int slot) {
    return std::make_unique<Recorder>(slot, WM_LBUTTONDOWN, vrx::kHoverNone,
                                      slot == 3 ? RGB(255, 0, 0) : RGB(0, 255, 0));
  };
  HWND window = Start();
  ASSERT_NE(window, nullptr);
  // Painted in slot order: the higher slot lies on top.
  EXPECT_EQ(gui::CaptureClient(window).at(120, 20), RGB(0, 255, 0));
  const POINT p = gui::ScreenPoint(window, 120, 20);
  gui::LeftClick(p.x, p.y);
  ASSERT_TRUE(module_->WaitIdle());
  EXPECT_EQ(SlotsThatSaw(WM_LBUTTONDOWN), (std::vector<int>{3}));
  // The window did not start a drag: the control took the press.
  EXPECT_EQ(gui::WindowRect(window).left, 300);
}

TEST_F(ControlFramework, AHoveredControlPassesTheMessageOnAndTimersStopAtTheFirst) {
  // Overlapping, all hovered: 3 and 5 take clicks, 9 and 12 timers.
  g_slots = {3, 5, 9, 12};
  g_make = [](int slot) {
    return std::make_unique<Recorder>(slot, slot < 9 ? WM_LBUTTONDOWN : WM_TIMER, vrx::kHoverTip, 0);
  };
  HWND window = Start();
  ASSERT_NE(window, nullptr);
  const POINT p = gui::ScreenPoint(window, 120, 20);
  gui::LeftClick(p.x, p.y);
  PostMessageA(window, WM_TIMER, 77, 0);
  ASSERT_TRUE(module_->WaitIdle());
  EXPECT_EQ(SlotsThatSaw(WM_LBUTTONDOWN), (std::vector<int>{3, 5}));
  EXPECT_EQ(SlotsThatSaw(WM_TIMER), (std::vector<int>{9}));  // slot 12 never sees it
}

TEST_F(ControlFramework, AFollowingTipMovesWithTheMouseAndOutlastsAClick) {
  g_slots = {40};
  g_make = [](int) { return std::make_unique<Follower>(); };
  HWND window = Start();
  ASSERT_NE(window, nullptr);
  HWND tip = Tip();
  const POINT a = gui::ScreenPoint(window, 40, 30);
  ASSERT_TRUE(gui::MouseTo(a.x, a.y));
  ASSERT_TRUE(wintest::WaitUntil([&] { return IsWindowVisible(tip) != FALSE; }));
  const RECT before = gui::WindowRect(tip);
  char first[32] = {};
  GetWindowTextA(tip, first, sizeof first);

  const POINT b = gui::ScreenPoint(window, 100, 40);
  ASSERT_TRUE(gui::MouseTo(b.x, b.y));
  ASSERT_TRUE(module_->WaitIdle());
  // The tooltip control keeps a tip that is not placed absolutely clear of
  // its tool, the control's rectangle: the tip sits at the point, or just
  // right of the control when the point lies over it.
  const RECT after = gui::WindowRect(tip);
  EXPECT_NEAR(after.top, b.y + kTipOffset, 2);
  EXPECT_NEAR(after.top - before.top, b.y - a.y, 2);
  const int controlRight = gui::ScreenPoint(window, 20 + 160, 0).x;
  EXPECT_GE(after.left, b.x + kTipOffset - 2);
  EXPECT_LE(after.left, std::max<LONG>(b.x + kTipOffset, controlRight) + 2);
  char second[32] = {};
  GetWindowTextA(tip, second, sizeof second);
  EXPECT_STRNE(first, second);  // asked anew at the move

  gui::LeftClick(b.x, b.y);
  ASSERT_TRUE(module_->WaitIdle());
  EXPECT_TRUE(IsWindowVisible(tip));
  // Leaving the control hides it.
  const POINT out = gui::ScreenPoint(window, 5, 5);
  ASSERT_TRUE(gui::MouseTo(out.x, out.y));
  ASSERT_TRUE(wintest::WaitUntil([&] { return !IsWindowVisible(tip); }));
}

TEST_F(ControlFramework, ControlsShareTimerNumbersThroughTheTable) {
  g_slots = {2, 7, 30};
  g_tickers.clear();
  g_make = [](int) {
    auto t = std::make_unique<Ticker>();
    g_tickers.push_back(t.get());
    return std::unique_ptr<SkinControl>(std::move(t));
  };
  HWND window = Start();
  ASSERT_NE(window, nullptr);
  ASSERT_EQ(g_tickers.size(), 3u);
  ASSERT_TRUE(wintest::WaitUntil([] {
    for (Ticker* t : g_tickers)
      if (t->ticks < 3) return false;
    return true;
  }));
  ASSERT_TRUE(module_->WaitIdle());
  for (Ticker* t : g_tickers) {
    EXPECT_EQ(t->ticks, 3);
    EXPECT_TRUE(t->killed);
  }
}

}  // namespace
