// The text form of a frequency in hertz: whole megahertz, a point and at
// least one decimal ("100.0", "87.5", "101.105", "100.000001").
#pragma once

#include <cstddef>
#include <cstdint>

// Longest text with its NUL: "4294.967295".
constexpr size_t kFreqTextSize = 12;
// A station caption adds " - " and the name to the frequency text.
constexpr char kCaptionSeparator[] = " - ";
constexpr size_t kCaptionExtra = kFreqTextSize + sizeof(kCaptionSeparator) - 1;  // 15
constexpr uint32_t kFreqOverflow = 0xFFFFFFFF;

// Writes the text and its NUL into out, which holds at least kFreqTextSize bytes.
void FreqToText(uint32_t frequency, char* out);

// Reads "100.05" as 100050000: digits, then up to six decimals after a point;
// anything after is ignored. 0 for a null text or no leading digits,
// kFreqOverflow when the value does not fit in 32 bits.
uint32_t TextToFreq(const char* text);

// The frequency text, then " - " and the name unless it is empty. out holds
// at least nameLength + kCaptionExtra bytes.
void StationCaption(uint32_t frequency, const char* name, char* out);
