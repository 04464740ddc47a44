#include "graphic/panels/slider_geometry.h"

#include <algorithm>
#include <cstdio>

namespace vrx {
namespace {

constexpr int64_t kSecondsPerDay = 86400;
// The range a thumb is placed in when its own range is empty.
constexpr SliderValue kStart{0, 1000, 0};

// One axis of the path: its start, signed size and the thumb's size.
struct Axis {
  int64_t origin, size, thumb;

  int64_t Length() const { return size < 0 ? -size : size; }
  // First column (or row) and extent of the path.
  int64_t First() const { return size > 0 ? origin : origin + size + 1; }
  // The thumb's corner at fraction f / r of the travel (r > 0); a cross
  // axis thinner than the thumb moves it the other way.
  int64_t Corner(int64_t f, int64_t r) const {
    const int64_t d = (Length() - thumb) * f / r;
    return size > 0 ? origin + d : origin - thumb - d + 1;
  }
};

}  // namespace

SliderGeometry::SliderGeometry(const skin::SkinSliderRecord& r)
    : ox_(r.windowX), oy_(r.windowY), pw_(r.pathWidth), ph_(r.pathHeight), tw_(r.thumbWidth),
      th_(r.thumbHeight), snap_(std::max(r.snapSize, 0)) {
  const Axis ax{ox_, pw_, tw_}, ay{oy_, ph_, th_};
  path_ = {Held(ax.First()), Held(ay.First()), Held(ax.First() + ax.Length()), Held(ay.First() + ay.Length())};
}

Rect SliderGeometry::Bounds() const {
  const Axis ax{ox_, pw_, tw_}, ay{oy_, ph_, th_};
  int64_t left = path_.left, top = path_.top, right = path_.right, bottom = path_.bottom;
  for (int64_t f : {0, 1}) {
    const int64_t x = ax.Corner(f, 1), y = ay.Corner(f, 1);
    left = std::min(left, x);
    top = std::min(top, y);
    right = std::max(right, x + tw_);
    bottom = std::max(bottom, y + th_);
  }
  return {Held(left), Held(top), Held(right), Held(bottom)};
}

SliderValue SliderGeometry::ValueAt(Point corner) const {
  const bool vertical = Vertical();
  const Axis a = vertical ? Axis{oy_, ph_, th_} : Axis{ox_, pw_, tw_};
  const int64_t t = vertical ? corner.y : corner.x;
  const int64_t travel = std::max<int64_t>(a.Length() - a.thumb, 0);
  if (a.size > 0) {
    const int64_t at = std::clamp(t, a.origin, a.origin + travel);
    return {0, Held(travel), Held(at - a.origin)};
  }
  const int64_t min = a.thumb - 1;
  const int64_t at = std::clamp(t, a.origin - a.thumb + 1 - travel, a.origin - a.thumb + 1);
  return {Held(min), Held(min + travel), Held(a.origin - at)};
}

Point SliderGeometry::Place(SliderValue v) const {
  if (!v.Movable()) v = kStart;
  const int64_t f = int64_t{std::clamp(v.position, v.min, v.max)} - v.min;
  const int64_t r = int64_t{v.max} - v.min;
  const Axis ax{ox_, pw_, tw_}, ay{oy_, ph_, th_};
  return {Held(ax.Corner(f, r)), Held(ay.Corner(f, r))};
}

int32_t SliderGeometry::Snap(SliderValue v) const {
  if (snap_ <= 0) return v.position;
  const int64_t mid = v.min + (int64_t{v.max} - v.min) / 2;
  const int64_t distance = v.position > mid ? v.position - mid : mid - v.position;
  return distance <= snap_ ? Held(mid) : v.position;
}

SliderModel::SliderModel(const skin::SkinSliderRecord& record)
    : geometry_(record), thumb_(geometry_.Place(kStart)), saved_(geometry_.ValueAt(thumb_)) {}

void SliderModel::SetValue(SliderValue v, bool dragging) {
  if (dragging)
    saved_ = v;
  else
    thumb_ = geometry_.Place(v);
}

void SliderModel::Press(Point mouse) {
  saved_ = Value();
  thumb_ = geometry_.Place(saved_);
  const auto grip = [](int64_t offset, int32_t size) {
    return offset >= 0 && offset < size ? static_cast<int32_t>(offset) : size / 2;
  };
  grab_ = {grip(int64_t{mouse.x} - thumb_.x, geometry_.thumbWidth()),
           grip(int64_t{mouse.y} - thumb_.y, geometry_.thumbHeight())};
}

SliderValue SliderModel::DragTo(Point mouse) {
  SliderValue v = geometry_.ValueAt({Held(int64_t{mouse.x} - grab_.x), Held(int64_t{mouse.y} - grab_.y)});
  v.position = geometry_.Snap(v);
  thumb_ = geometry_.Place(v);
  return v;
}

std::optional<uint32_t> VolumeOf(SliderValue v) {
  if (!v.Movable()) return std::nullopt;
  return static_cast<uint32_t>((int64_t{v.position} - v.min) * 100 / (int64_t{v.max} - v.min));
}

uint32_t LargerHalf(uint32_t word) { return std::max(word & 0xFFFF, word >> 16); }

uint32_t BothHalves(uint32_t volume) { return volume + volume * 65536; }

std::optional<uint32_t> DelayOf(SliderValue v, uint32_t length) {
  if (!v.Movable()) return std::nullopt;
  const uint64_t f = static_cast<uint64_t>(int64_t{v.position} - v.min);
  return static_cast<uint32_t>(f * length / static_cast<uint64_t>(int64_t{v.max} - v.min));
}

uint32_t TimeOfDayBehind(uint32_t now, uint32_t delay) {
  // A delay of more than a day (a very long buffer) still names a time of day.
  const int64_t t = (int64_t{now} - int64_t{delay} % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay;
  return static_cast<uint32_t>(t);
}

std::array<char, 9> ClockText(uint32_t secondsOfDay) {
  std::array<char, 9> text{};
  const uint32_t t = secondsOfDay % kSecondsPerDay;
  std::snprintf(text.data(), text.size(), "%02u:%02u:%02u", t / 3600, t / 60 % 60, t % 60);
  return text;
}

}  // namespace vrx
