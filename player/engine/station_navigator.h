// Lookups over the user's station list, in stored order: by frequency, by
// preset (the stations shown as buttons, numbered from 1) and the station
// after or before the one tuned.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "host/records.h"

namespace engine {

class StationNavigator {
 public:
  StationNavigator() = default;
  explicit StationNavigator(std::vector<StationInfo> stations);

  const std::vector<StationInfo>& stations() const { return stations_; }
  std::vector<uint32_t> frequencies() const;

  std::optional<StationInfo> ByFrequency(uint32_t hertz) const;
  // 1-based over the stations whose flag bit 0 is set.
  std::optional<StationInfo> ByPreset(uint32_t preset) const;
  uint32_t PresetCount() const;
  // From a station of the list the neighbour in stored order, wrapping; from
  // a frequency off the list the nearest station above (below), wrapping.
  // Several stations may share a frequency: tunedNumber, the number of the
  // station last tuned, says which of them the step starts from (the first
  // when it names none of them).
  std::optional<StationInfo> Next(uint32_t currentHertz, uint32_t tunedNumber = 0) const;
  std::optional<StationInfo> Previous(uint32_t currentHertz, uint32_t tunedNumber = 0) const;

 private:
  std::optional<StationInfo> Neighbour(uint32_t currentHertz, uint32_t tunedNumber, bool forward) const;
  std::optional<size_t> IndexOf(uint32_t hertz, uint32_t tunedNumber) const;
  std::vector<StationInfo> stations_;
};

}  // namespace engine
