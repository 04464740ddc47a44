#include "graphic/core/skin_environment_win.h"

#include <windows.h>

#include <vector>

#include "graphic/core/module_names.h"
#include "auxui/kv_aux.h"
#include "graphic/core/language_texts.h"
#include "host/kv_lang.h"

namespace vrx {
namespace {
constexpr char kAnalyzerFile[] = "Prismo.dll";
}  // namespace

std::string ProfileDescription::Value(const char* section, const char* key, std::size_t maxChars) const {
  std::vector<char> buffer(maxChars + 1, '\0');
  const DWORD n = GetPrivateProfileStringA(section, key, "", buffer.data(), static_cast<DWORD>(buffer.size()),
                                           path_.c_str());
  return std::string(buffer.data(), n < buffer.size() ? n : maxChars);
}

bool WinSkinEnvironment::AnalyzerActive() { return KvAuxIsFilterActive(kAnalyzerFile) != 0; }

void WinSkinEnvironment::ShowDebugMessage(const std::string& text) {
  MessageBoxA(nullptr, text.c_str(), Names().moduleName, MB_OK | MB_ICONINFORMATION);
}

void WinSkinEnvironment::ShowAnalyzerInactive() {
  MessageBoxA(nullptr, KvLangString(kAnalyzerInactive.key, kAnalyzerInactive.english), Names().moduleName, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace vrx
