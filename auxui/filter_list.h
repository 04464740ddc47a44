// The active-filter list as stored: file names, each followed by a NUL.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// Whether name matches one of the listed names, ASCII case ignored. Bytes
// after the last NUL form no name; an empty name never matches.
bool IsFilterListed(std::span<const uint8_t> stored, std::string_view name);
