#include "player/engine/station_navigator.h"

#include <algorithm>

namespace engine {

StationNavigator::StationNavigator(std::vector<StationInfo> stations) : stations_(std::move(stations)) {
  for (StationInfo& s : stations_) s.name[kStationNameSize - 1] = '\0';
}

std::vector<uint32_t> StationNavigator::frequencies() const {
  std::vector<uint32_t> out;
  out.reserve(stations_.size());
  for (const StationInfo& s : stations_) out.push_back(s.frequency);
  return out;
}

std::optional<StationInfo> StationNavigator::ByFrequency(uint32_t hertz) const {
  for (const StationInfo& s : stations_)
    if (s.frequency == hertz) return s;
  return std::nullopt;
}

std::optional<StationInfo> StationNavigator::ByPreset(uint32_t preset) const {
  if (preset == 0) return std::nullopt;
  uint32_t n = 0;
  for (const StationInfo& s : stations_)
    if ((s.flags & kStationFlagButton) && ++n == preset) return s;
  return std::nullopt;
}

uint32_t StationNavigator::PresetCount() const {
  return static_cast<uint32_t>(
      std::count_if(stations_.begin(), stations_.end(), [](const StationInfo& s) { return s.flags & kStationFlagButton; }));
}

std::optional<StationInfo> StationNavigator::Next(uint32_t currentHertz, uint32_t tunedNumber) const {
  return Neighbour(currentHertz, tunedNumber, true);
}
std::optional<StationInfo> StationNavigator::Previous(uint32_t currentHertz, uint32_t tunedNumber) const {
  return Neighbour(currentHertz, tunedNumber, false);
}

std::optional<size_t> StationNavigator::IndexOf(uint32_t hertz, uint32_t tunedNumber) const {
  std::optional<size_t> first;
  for (size_t i = 0; i < stations_.size(); ++i) {
    if (stations_[i].frequency != hertz) continue;
    if (tunedNumber != 0 && stations_[i].number == tunedNumber) return i;
    if (!first) first = i;
  }
  return first;
}

std::optional<StationInfo> StationNavigator::Neighbour(uint32_t currentHertz, uint32_t tunedNumber, bool forward) const {
  const size_t n = stations_.size();
  if (n == 0) return std::nullopt;
  if (const auto i = IndexOf(currentHertz, tunedNumber)) return stations_[forward ? (*i + 1) % n : (*i + n - 1) % n];

  // Off the list: the closest station in the direction of travel, else wrap
  // to the farthest one on the other side.
  const StationInfo* best = nullptr;
  const StationInfo* wrap = nullptr;
  for (const StationInfo& s : stations_) {
    const bool ahead = forward ? s.frequency > currentHertz : s.frequency < currentHertz;
    const auto closer = [forward](const StationInfo* a, const StationInfo& b) {
      return !a || (forward ? b.frequency < a->frequency : b.frequency > a->frequency);
    };
    if (ahead && closer(best, s)) best = &s;
    if (closer(wrap, s)) wrap = &s;
  }
  return best ? *best : *wrap;
}

}  // namespace engine
