// Reader of the language files (.lng): one "KEY=text" per line.
//   - lines starting with ';' or '#' (after blanks) are comments; blank lines are skipped
//   - the key is trimmed and made of letters, digits and '_'; keys are case-sensitive
//   - the text is everything after the first '=', with \n, \t and \\ as escapes;
//     any other backslash stays as it is; a CR before the line end is dropped
//   - a line that cannot be read (no '=', a bad key, a NUL byte) is skipped
//   - a later line for the same key replaces an earlier one
//   - a UTF-8 byte-order mark at the start is ignored; texts are otherwise bytes
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace lang {

using Table = std::unordered_map<std::string, std::string>;

Table ParseLng(std::string_view bytes);

}  // namespace lang
