// Text to frequency over arbitrary texts, and back.
#include <cstdlib>
#include <cstring>
#include <string>

#include "auxui/freq_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const uint32_t frequency = TextToFreq(text.c_str());
  char out[kFreqTextSize + 1];
  out[kFreqTextSize] = '\x7F';
  FreqToText(frequency, out);
  if (out[kFreqTextSize] != '\x7F' || std::strlen(out) >= kFreqTextSize) std::abort();
  if (TextToFreq(out) != frequency) std::abort();
  return 0;
}
