// Where the lists that KvAux.dll reads live in the settings store.
#pragma once

namespace kvaux {

inline constexpr char kStationsSection[] = "KvStations";
inline constexpr char kStationsKey[] = "Stations";
inline constexpr char kFiltersSection[] = "KvFilters";
inline constexpr char kFiltersKey[] = "Filters";
inline constexpr char kPresetsKey[] = "Presets";

}  // namespace kvaux
