// One region of a marked-up text, as callers of KvAuxRESetText pass them:
// elements follow each other at a stride of 12 bytes.
#pragma once

#include <cstddef>
#include <cstdint>

struct TextMark {
  int32_t start;   // out: character position in the shown text; -1 when not found
  int32_t length;  // out: characters in the region; 0 when not found or not closed
  char kind;       // in: 'b' bold, anything else a link
};

constexpr char kMarkBold = 'b';
constexpr char kMarkLink = '1';

static_assert(sizeof(TextMark) == 12);
static_assert(offsetof(TextMark, length) == 4 && offsetof(TextMark, kind) == 8);
