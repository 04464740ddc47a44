// A description held as text, looked up as the Windows initialization-file
// reader does: section and key names without regard to case, surrounding
// blanks trimmed, one pair of enclosing quotes removed from a value, the
// first section and key of a name winning. Used where there is no file
// reader (native tests, fuzzing, tools).
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "graphic/core/skin_reader.h"

namespace skin {

class IniText final : public DescriptionSource {
 public:
  explicit IniText(std::string_view text);
  std::string Value(const char* section, const char* key, std::size_t maxChars) const override;

 private:
  struct IniSection {
    std::string name;
    std::vector<std::pair<std::string, std::string>> entries;
  };
  std::vector<IniSection> sections_;
};

}  // namespace skin
