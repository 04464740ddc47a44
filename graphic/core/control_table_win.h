// The controls of one skin run in their 78 slots: built by the factory,
// handed every message of the main window, painted in slot order.
#pragma once

#include <windows.h>

#include <array>
#include <memory>

#include "graphic/core/paint_buffer_win.h"
#include "graphic/core/skin_control_win.h"
#include "graphic/core/skin_records.h"
#include "graphic/core/tooltip_manager_win.h"

namespace vrx {

// Builds the control of a present slot; null leaves the slot empty.
using ControlFactory = std::unique_ptr<SkinControl> (*)(int slot);

inline constexpr int kNoSlot = skin::kSlotCount;  // "not in the table"

class ControlTable {
 public:
  ControlTable() : tips_(*this) {}
  ControlTable(const ControlTable&) = delete;
  ControlTable& operator=(const ControlTable&) = delete;
  ~ControlTable() { Destroy(); }

  // Destroys old controls, makes the paint buffer, the tooltip window and
  // every present slot's control, in slot order.
  void Create(HWND window, int width, int height, const skin::SkinDescription& skin, ControlFactory factory);
  void Destroy();

  // Offers a main-window message to the controls; true when one took it.
  bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  void Paint(HDC dc, const RECT& update);
  // The window's picture in r (client coordinates) into dc: the skin's
  // background and the controls, composed in the paint buffer.
  void PaintWindow(HDC dc, const RECT& r);
  // Repaints the control's rectangle at once, without erasing.
  void Invalidate(const SkinControl& control);
  // The same for part of it, in the control's own coordinates.
  void Invalidate(const SkinControl& control, const RECT& part);
  // Draws the control's rectangle again straight into the window's DC, the
  // same picture as a repaint without the window's paint cycle: for parts
  // that move many times a second.
  void Redraw(const SkinControl& control);
  // The last mouse position in the control's own coordinates.
  POINT ToControl(const SkinControl& control) const;
  // Whether that position lies inside the control's rectangle.
  bool MouseInside(const SkinControl& control) const;
  int SlotOf(const SkinControl* control) const;
  SkinControl* At(int slot) const;
  void ShowTooltip(int slot) { tips_.Show(slot); }
  void HideTooltip() { tips_.Hide(); }
  TooltipManager& tooltips() { return tips_; }
  HWND window() const { return window_; }

 private:
  HWND window_ = nullptr;
  PaintBuffer buffer_;
  std::array<std::unique_ptr<SkinControl>, skin::kSlotCount> slots_;
  TooltipManager tips_;
};

// The table of the running main window, for the controls' own use.
ControlTable& Controls();

}  // namespace vrx
