// The language library: texts from the .lng file named by KvLang/FileName in
// the program folder, the caller's English default for every key the file
// does not have. Loaded on first use and again on KvLangReload.
#include "host/kv_lang.h"

#include <windows.h>

#include <mutex>
#include <string>

#include "host/no_throw.h"
#include "host/program_folder_win.h"
#include "host/settings.h"
#include "host/whole_file_win.h"
#include "player/lang/lng_parser.h"

namespace {

// A language file larger than this is not a language file.
constexpr DWORD kMaxFileSize = 64u << 20;

std::mutex g_lock;
lang::Table g_table;
bool g_loaded = false;

// The stored name must be a bare file name: nothing that leaves the folder.
bool IsBareFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  return name.find_first_of("\\/:") == std::string::npos;
}

lang::Table LoadChosenLanguage() {
  const auto name = kv::ReadString("KvLang", "FileName");
  if (!name || !IsBareFileName(*name)) return {};
  const std::string path = kv::ProgramFolder() + *name;
  if (path.size() >= MAX_PATH) return {};
  const auto bytes = kv::ReadWholeFile(path, kMaxFileSize);
  return bytes ? lang::ParseLng(*bytes) : lang::Table{};
}

}  // namespace

// Memory running out (loading, or looking a key up) answers the default, and
// the file is loaded again at the next call.
KV_EXTERN_C const char* KV_CALL KvLangString(const char* key, const char* defaultText) {
  if (!key) return defaultText;
  return kv::NoThrow(defaultText, [&] {
    std::lock_guard<std::mutex> hold(g_lock);
    if (!g_loaded) {
      g_table = LoadChosenLanguage();
      g_loaded = true;
    }
    const auto it = g_table.find(key);
    return it == g_table.end() ? defaultText : it->second.c_str();
  });
}

// A reload that fails keeps the texts loaded before, so pointers handed out
// stay valid.
KV_EXTERN_C void KV_CALL KvLangReload(void) {
  kv::NoThrow([] {
    lang::Table fresh = LoadChosenLanguage();
    std::lock_guard<std::mutex> hold(g_lock);
    g_table.swap(fresh);
    g_loaded = true;
  });
}
