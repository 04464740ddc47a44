// Which skin comes next: the complete skins of the skin folder (a bitmap
// with its description beside it) in case-insensitive order, wrapping.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vrx {

inline constexpr size_t kMaxPathChars = 260;  // with the terminating NUL

// A skin bitmap's description: the same path with "txt" for its last three
// characters.
std::string DescriptionPath(std::string_view bitmap);

// entries: the names in folder (which ends with a backslash); exists: whether
// a file is there; current: the description path of the running skin.
// Answers the chosen bitmap's file name, or none when no skin is complete.
// Paths that would not fit a Windows path are passed over.
std::optional<std::string> NextSkin(std::string_view folder, const std::vector<std::string>& entries,
                                    const std::function<bool(const std::string&)>& exists,
                                    std::string_view current, bool backward);

}  // namespace vrx
