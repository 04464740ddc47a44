// The skin reader's view of the outside on Windows: the description file
// through GetPrivateProfileStringA, the active filter list through KvAux,
// message boxes captioned with the module name.
#pragma once

#include <string>

#include "graphic/core/skin_reader.h"

namespace vrx {

class ProfileDescription final : public skin::DescriptionSource {
 public:
  explicit ProfileDescription(std::string path) : path_(std::move(path)) {}
  std::string Value(const char* section, const char* key, std::size_t maxChars) const override;

 private:
  std::string path_;
};

class WinSkinEnvironment final : public skin::SkinEnvironment {
 public:
  bool AnalyzerActive() override;
  void ShowDebugMessage(const std::string& text) override;
  void ShowAnalyzerInactive() override;
};

}  // namespace vrx
