// A slider's arithmetic: the path rectangle from its signed sizes, the value
// triple (min, max, position) read from the thumb's corner and the corner
// placed for a value, snapping to the middle, the grip of a drag and the
// value saved for a cancel. Everything is in main-window pixels; the Win32
// half only feeds it the mouse and draws the thumb where it says.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "graphic/core/bitmap_hit.h"
#include "graphic/core/skin_records.h"
#include "graphic/core/window_geometry.h"

namespace vrx {

// A position in pixels along the main axis with its range. A slider whose
// path is no longer than its thumb has max = min = position: it cannot move.
struct SliderValue {
  int32_t min = 0;
  int32_t max = 0;
  int32_t position = 0;
  bool Movable() const { return max > min; }
  friend bool operator==(const SliderValue&, const SliderValue&) = default;
};

// The fixed shape: origin, signed path sizes, thumb size, snap distance.
class SliderGeometry {
 public:
  explicit SliderGeometry(const skin::SkinSliderRecord& record);

  // The path in main-window coordinates (negative sizes run left or up).
  Rect Path() const { return path_; }
  // The bounding box of the path and of the thumb at both ends of its
  // travel: the thumb may stand out of a path thinner than itself.
  Rect Bounds() const;
  int32_t thumbWidth() const { return tw_; }
  int32_t thumbHeight() const { return th_; }
  // The main axis is vertical when |ph| > |pw|; a square path is horizontal.
  bool Vertical() const { return Abs(ph_) > Abs(pw_); }

  // The value of a thumb whose corner is at `corner`, the corner first
  // clamped to the path along the main axis.
  SliderValue ValueAt(Point corner) const;
  // The thumb's corner for (min, max, v), along both axes; v is clamped,
  // and an empty range places the thumb at the start of the path.
  Point Place(SliderValue v) const;
  // The position pulled to the middle of the travel when within the snap
  // distance of it.
  int32_t Snap(SliderValue v) const;

 private:
  static int64_t Abs(int32_t v) { return v < 0 ? -int64_t{v} : int64_t{v}; }

  int32_t ox_, oy_;  // origin: the path's first column and row
  int32_t pw_, ph_;  // signed path sizes
  int32_t tw_, th_;  // thumb size
  int32_t snap_;
  Rect path_;
};

// One slider's moving state: the thumb, the grip during a drag and the value
// a cancel returns to.
class SliderModel {
 public:
  explicit SliderModel(const skin::SkinSliderRecord& record);

  const SliderGeometry& geometry() const { return geometry_; }
  Point Thumb() const { return thumb_; }
  SliderValue Value() const { return geometry_.ValueAt(thumb_); }

  // A value from outside: moves the thumb when idle; during a drag it only
  // replaces the saved value, so the drag goes on and a cancel returns to
  // the newest outside value.
  void SetValue(SliderValue v, bool dragging);
  // A press at `mouse`: saves the value and keeps the grip point when the
  // mouse is on the thumb, else the thumb's middle along that axis.
  void Press(Point mouse);
  // The mouse of a drag: the thumb follows it, snapped; returns its value.
  SliderValue DragTo(Point mouse);
  // The drag was cancelled: the thumb returns to the saved value.
  void Cancel() { thumb_ = geometry_.Place(saved_); }
  Point grab() const { return grab_; }
  SliderValue saved() const { return saved_; }

 private:
  SliderGeometry geometry_;
  Point thumb_;
  Point grab_;
  SliderValue saved_;
};

// Whether main-window point p hits the slider: on the path (and on its
// mask's red when it has one) or on the thumb where it stands now (and on
// the thumb mask's red when it has one).
template <class RedAt>  // uint8_t(int32_t x, int32_t y) in skin bitmap coordinates
bool HitSlider(const SliderModel& slider, const skin::SkinSliderRecord& r, Point p, RedAt redAt) {
  const Rect path = slider.geometry().Path();
  const std::optional<Point> pathMask =
      r.flags & skin::kSliderPathMask ? std::optional<Point>(Point{r.pathMaskX, r.pathMaskY}) : std::nullopt;
  if (HitBitmapControl({p.x - path.left, p.y - path.top}, path.width(), path.height(), pathMask, redAt)) return true;
  const Point thumb = slider.Thumb();
  const std::optional<Point> thumbMask =
      r.flags & skin::kSliderThumbMask ? std::optional<Point>(Point{r.maskX, r.maskY}) : std::nullopt;
  return HitBitmapControl({p.x - thumb.x, p.y - thumb.y}, r.thumbWidth, r.thumbHeight, thumbMask, redAt);
}

// Volume 0 ... 100 of a value: (p - min) * 100 / (max - min), none for a
// slider that cannot move.
std::optional<uint32_t> VolumeOf(SliderValue v);
// The engine's volume word: left in the low half, right in the high half;
// the slider shows the larger (a one-channel volume is the whole word).
uint32_t LargerHalf(uint32_t word);
uint32_t BothHalves(uint32_t volume);

// Time-shift delay in seconds of a value within a buffer of `length`
// seconds; none for a slider that cannot move.
std::optional<uint32_t> DelayOf(SliderValue v, uint32_t length);
// Seconds since midnight of the sound `delay` seconds behind `now` (also
// seconds since midnight), wrapping into the day before.
uint32_t TimeOfDayBehind(uint32_t now, uint32_t delay);
// "hh:mm:ss" of seconds since midnight.
std::array<char, 9> ClockText(uint32_t secondsOfDay);

}  // namespace vrx
