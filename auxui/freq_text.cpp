#include "auxui/freq_text.h"

#include <cstring>

namespace {

constexpr uint32_t kHertzPerMegahertz = 1000000;
constexpr int kDecimals = 6;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Decimal digits of value, most significant first; returns the count.
size_t WriteDecimal(uint32_t value, char* out) {
  char reversed[10];
  size_t n = 0;
  do {
    reversed[n++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value != 0);
  for (size_t i = 0; i < n; ++i) out[i] = reversed[n - 1 - i];
  return n;
}

}  // namespace

void FreqToText(uint32_t frequency, char* out) {
  size_t n = WriteDecimal(frequency / kHertzPerMegahertz, out);
  out[n++] = '.';
  uint32_t fraction = frequency % kHertzPerMegahertz;
  // Zeros that pad the fraction to six places stay; so does its first
  // significant digit, so at least one decimal is always shown.
  for (uint32_t r = fraction; r != 0 && r < kHertzPerMegahertz / 10; r *= 10) out[n++] = '0';
  const size_t firstDigit = n;
  n += WriteDecimal(fraction, out + n);
  while (n > firstDigit + 1 && out[n - 1] == '0') --n;
  out[n] = '\0';
}

uint32_t TextToFreq(const char* text) {
  if (text == nullptr) return 0;
  uint64_t value = 0;
  const char* p = text;
  for (; IsDigit(*p); ++p) {
    value = value * 10 + static_cast<uint64_t>(*p - '0') * kHertzPerMegahertz;
    if (value > UINT32_MAX) return kFreqOverflow;
  }
  if (*p == '.') {
    ++p;
    uint32_t weight = kHertzPerMegahertz / 10;
    for (int i = 0; i < kDecimals && IsDigit(*p); ++i, ++p, weight /= 10)
      value += static_cast<uint64_t>(*p - '0') * weight;
    if (value > UINT32_MAX) return kFreqOverflow;
  }
  return static_cast<uint32_t>(value);
}

void StationCaption(uint32_t frequency, const char* name, char* out) {
  FreqToText(frequency, out);
  if (name[0] == '\0') return;
  const size_t n = std::strlen(out);
  std::memcpy(out + n, kCaptionSeparator, sizeof(kCaptionSeparator) - 1);
  std::strcpy(out + n + sizeof(kCaptionSeparator) - 1, name);
}
