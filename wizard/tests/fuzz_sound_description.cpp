// The sound-system description over arbitrary texts, and the page's choices
// over whatever it describes: no read past a list, a choice always inside it.
#include <cstdlib>
#include <string_view>

#include "host/settings_reader.h"
#include "wizard/scripted_sound_system.h"
#include "wizard/sound_lines.h"

namespace {
class NoSettings final : public SettingsReader {
 public:
  std::optional<uint32_t> Dword(const char*, const char*) const override { return 0; }
  std::optional<std::string> String(const char*, const char*) const override { return std::nullopt; }
  std::optional<std::vector<uint8_t>> Binary(const char*, const char*) const override { return std::nullopt; }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace wizard;
  const ScriptedSoundSystem system(std::string_view(reinterpret_cast<const char*>(data), size));
  for (const SoundRole& role : kSoundRoles) {
    const unsigned count = static_cast<unsigned>(system.Devices(role.kind).size());
    const auto device = ChooseDevice(count, 0, [&](unsigned d) { return Suits(system, role, d); });
    if (device.has_value() != (count > 0) || (device && *device >= count)) std::abort();
    if (!device) continue;
    const auto lines = RoleLines(system, role, *device);
    if (!lines) continue;
    const auto line = ChooseLine(*lines, role.scoring, SavedLine(NoSettings{}, role, *device));
    if (line.has_value() != !lines->empty() || (line && *line >= lines->size())) std::abort();
  }
  return 0;
}
