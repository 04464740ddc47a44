#include "wizard/language_keys.h"

#include <array>

namespace wizard {

std::span<const LangText> AllTexts() {
#define WIZARD_TEXT_ENTRY(name, key, english) name,
  static constexpr std::array kAll = {WIZARD_TEXTS(WIZARD_TEXT_ENTRY)};
#undef WIZARD_TEXT_ENTRY
  return kAll;
}

}  // namespace wizard
