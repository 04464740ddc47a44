#include "wizard/scripted_sound_system.h"

#include <charconv>

namespace wizard {
namespace {

std::string_view Trim(std::string_view s) {
  const size_t first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// Splits "word rest" at the first blank; rest is trimmed.
std::pair<std::string_view, std::string_view> Word(std::string_view s) {
  const size_t blank = s.find_first_of(" \t");
  if (blank == std::string_view::npos) return {s, {}};
  return {s.substr(0, blank), Trim(s.substr(blank))};
}

std::optional<uint32_t> Number(std::string_view s) {
  uint32_t value = 0;
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (error != std::errc{} || end != s.data() + s.size()) return std::nullopt;
  return value;
}

std::optional<uint32_t> ComponentType(std::string_view s) {
  if (s == "speakers") return kDestinationSpeakers;
  if (s == "wavein") return kDestinationWaveIn;
  return Number(s);
}

}  // namespace

ScriptedSoundSystem::ScriptedSoundSystem(std::string_view description) {
  Device* last = nullptr;
  while (!description.empty()) {
    const size_t end = description.find('\n');
    const std::string_view line = Trim(description.substr(0, end));
    description = end == std::string_view::npos ? std::string_view{} : description.substr(end + 1);
    if (line.empty() || line.front() == ';') continue;
    const auto [statement, rest] = Word(line);
    if (statement == "in" || statement == "out") {
      auto& devices = statement == "in" ? in_ : out_;
      last = &devices.emplace_back();
      last->name = rest;
    } else if (!last) {
      continue;
    } else if (statement == "nomixer") {
      last->hasMixer = false;
    } else if (statement == "destination") {
      if (const auto type = ComponentType(rest)) last->destinations.push_back({*type, {}});
    } else if (statement == "line" && !last->destinations.empty()) {
      const auto [id, name] = Word(rest);
      if (const auto number = Number(id)) last->destinations.back().sources.push_back({std::string(name), *number});
    }
  }
}

std::vector<std::string> ScriptedSoundSystem::Devices(WaveKind kind) const {
  std::vector<std::string> names;
  for (const Device& device : Of(kind)) names.push_back(device.name);
  return names;
}

std::optional<std::vector<MixerDestination>> ScriptedSoundSystem::Mixer(WaveKind kind, unsigned device) const {
  const auto& devices = Of(kind);
  if (device >= devices.size() || !devices[device].hasMixer) return std::nullopt;
  return devices[device].destinations;
}

}  // namespace wizard
