#include "wizard/language_keys.h"

#include <array>

namespace wizard {

std::span<const LangText> AllTexts() {
  static constexpr std::array kAll = {
      kTitle,      kHdrWelcome,    kHdr2Welcome,    kHdrSound,  kHdr2Sound,   kHdrTuner,   kHdr2Tuner,
      kHdrRecord,  kHdr2Record,    kHdrFinish,      kHdr2Finish, kFinishText, kOpenSettings, kLaunch,
      kWelcome,    kLanguagePrompt, kDefaultLanguage, kFolderText, kBrowse,     kFolderNote, kFreeSpace,
      kSelectFolder,
  };
  return kAll;
}

}  // namespace wizard
