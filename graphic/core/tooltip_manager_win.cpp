#include "graphic/core/tooltip_manager_win.h"

#include <commctrl.h>

#include "graphic/core/control_table_win.h"
#include "graphic/core/module_state_win.h"
#include "graphic/core/module_timers_win.h"

namespace vrx {
namespace {

constexpr UINT kRestTimer = 3;  // owner: none
constexpr UINT kRestMs = 500;
constexpr int kTipOffset = 15;
constexpr int kMaxTipWidth = 300;
constexpr UINT kToolId = 0;

TTTOOLINFOA Tool(HWND owner, const RECT& rect) {
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.uFlags = TTF_TRACK | TTF_TRANSPARENT;
  tool.hwnd = owner;
  tool.uId = kToolId;
  tool.rect = rect;
  tool.lpszText = LPSTR_TEXTCALLBACKA;
  return tool;
}

}  // namespace

bool TooltipManager::Create(HWND owner, int width, int height) {
  Destroy();
  owner_ = owner;
  tip_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, Module().instance, nullptr);
  if (!tip_) return false;
  SetWindowPos(tip_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessageA(tip_, TTM_ACTIVATE, TRUE, 0);
  SendMessageA(tip_, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
  TTTOOLINFOA tool = Tool(owner, RECT{0, 0, width, height});
  SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  return true;
}

void TooltipManager::Destroy() {
  Hide();
  if (tip_) DestroyWindow(tip_);
  tip_ = nullptr;
  owner_ = nullptr;
}

int TooltipManager::Hover(int slot) const {
  SkinControl* c = table_.At(slot);
  return c ? c->HoverState() : kHoverNone;
}

void TooltipManager::MoveToMouse() {
  const POINT m = Module().mouse;
  SendMessageA(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM(m.x + kTipOffset, m.y + kTipOffset));
}

void TooltipManager::Show(int slot) {
  SkinControl* c = table_.At(slot);
  if (!tip_ || !c) return;
  slot_ = slot;
  shown_ = true;
  TTTOOLINFOA tool = Tool(owner_, c->Rect());
  SendMessageA(tip_, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
  MoveToMouse();
  SendMessageA(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
  Timers().Start(nullptr, kRestTimer, kRestMs);
}

void TooltipManager::Hide() {
  if (shown_ && tip_) {
    TTTOOLINFOA tool = Tool(owner_, RECT{});
    SendMessageA(tip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
  }
  shown_ = false;
  slot_ = -1;
  Timers().Stop(nullptr, kRestTimer);
}

void TooltipManager::Step(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MOUSEMOVE) {
    if (!shown_) {
      if (!(Module().flags & kFlagNoTooltips)) {
        rest_ = Module().mouse;
        Timers().Start(nullptr, kRestTimer, kRestMs);
      }
      return;
    }
    const int hover = Hover(slot_);
    if (hover == kHoverNone) {
      Hide();
    } else if (hover == kHoverFollow) {
      const char* text = table_.At(slot_)->TooltipText();
      if (!text || !*text) {
        Hide();
        return;
      }
      TTTOOLINFOA tool = Tool(owner_, table_.At(slot_)->Rect());
      SendMessageA(tip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
      MoveToMouse();
    }
    return;
  }
  if (message >= WM_LBUTTONDOWN && message <= WM_MOUSELAST) {
    if (shown_ && Hover(slot_) != kHoverFollow) Hide();
    return;
  }
  if (message == WM_TIMER && Timers().Is(wParam, nullptr, kRestTimer)) {
    if (!shown_) {
      Hide();
      const POINT m = Module().mouse;
      if (m.x != rest_.x || m.y != rest_.y) return;
      for (int slot = 0; slot < skin::kSlotCount; ++slot) {
        if (Hover(slot) != kHoverNone) {
          Show(slot);
          return;
        }
      }
    } else if (Hover(slot_) == kHoverNone) {
      Hide();
    }
    return;
  }
  if (message == WM_NOTIFY) {
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(lParam);
    if (info && info->hdr.code == TTN_NEEDTEXTA && info->hdr.hwndFrom == tip_ && shown_ && slot_ >= 0) {
      if (const char* text = table_.At(slot_) ? table_.At(slot_)->TooltipText() : nullptr) {
        info->lpszText = const_cast<char*>(text);
        info->hinst = nullptr;
      }
    }
  }
}

}  // namespace vrx
