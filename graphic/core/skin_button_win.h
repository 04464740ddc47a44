// The base of every skin button: a bitmap from the skin, pressed by the left
// button and released over it (or acting at once with OneTouch), with a
// pressed or switched-on picture and the hand cursor.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "graphic/core/skin_control_win.h"
#include "graphic/core/skin_records.h"

namespace vrx {

class SkinButton : public SkinControl {
 public:
  int HoverState() override;
  void Paint(HDC dc) override;
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

  // Takes place, size, pictures, mask and flags from the slot's record.
  virtual bool Init(int slot);
  // The click.
  virtual void Action() = 0;

  void SetOn(bool on);
  bool on() const { return on_; }

 protected:
  bool Holding() const;
  bool MouseOver() const;
  bool AltShown() const;
  void Cancel();
  // Shift held at the click that calls Action().
  bool ShiftHeld() const { return shift_; }

  int slot_ = skin::kSlotCount;
  POINT image_{};
  POINT alt_{};
  std::optional<POINT> mask_;
  uint32_t flags_ = 0;
  bool on_ = false;
  // Pressed and drawn so: kept here, since the capture may be gone by the
  // time the press is ended.
  bool pressed_ = false;
  // Escape ended this button's press: the button stays busy for that key,
  // so that it goes to no other control (Escape also closes the module).
  bool tookEscape_ = false;
  // Taken from the click's own message: the thread's key state may lag
  // behind, or already be past the key's release, when the click is handled.
  bool shift_ = false;
};

}  // namespace vrx
