// Readers of single description values. Each takes the text exactly as the
// description lookup returned it (already cut to the reader's length limit).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "graphic/core/skin_records.h"

namespace skin {

// Length limits of the lookups, in characters (without the terminator).
inline constexpr std::size_t kNumberChars = 15;
inline constexpr std::size_t kColorChars = 15;
inline constexpr std::size_t kFamilyChars = 15;

// Like atol: leading white space, an optional sign, decimal digits up to the
// first other character; no digits read as 0. Values beyond 32 bits are held
// at the nearest end of the range instead of wrapping.
int32_t ParseLong(std::string_view text);

// An integer key: empty or exactly "None" gives the default.
int32_t ParseInteger(std::string_view text, int32_t fallback);

// "#RRGGBB" or "RRGGBB"; '0'-'9' count 0-9, letters 10 upward, anything
// else (including a missing character) 0; each pair is cut to 8 bits.
// Empty gives black.
Color ParseColor(std::string_view text);

// "Decorative", "Modern", "Roman", "Script", "Swiss" (any case) give the
// Windows family values; anything else 0.
uint8_t ParseFamily(std::string_view text);

// FontFixedPitch non-zero: fixed pitch, else variable pitch.
inline uint8_t PitchOf(int32_t fixedPitch) { return fixedPitch != 0 ? kFixedPitch : kVariablePitch; }

}  // namespace skin
