// A user-visible text as the suite asks the language library for it: its
// key and its English default. Each program lists all of its texts in one
// place, so a test can check every language file against the list.
#pragma once

namespace kv {

struct LangText {
  const char* key;
  const char* english;
};

}  // namespace kv
