// The bold and link mark-up of the suite's texts: a region is enclosed by a
// backslash and its kind character at both ends ("\bHeading\b",
// "see \1this topic\1"); the markers are removed from the shown text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "auxui/text_mark.h"

// Returns the text to show and fills each mark's start and length in it,
// counted as a rich edit counts the text it holds: one character per byte
// (an ANSI text of a single-byte code page), except that a line break of
// "\r\n" or "\r\r\n" is one character, like a lone "\r" or "\n".
// Marks are taken in array order; each takes the first opening marker of its
// kind still in the text and the first closing one after it. A mark without
// its opening marker gets start -1, one without its closing marker length 0.
// Null marks are accepted with a count of 0.
std::string ApplyMarkup(std::string_view text, TextMark* marks, size_t count);
