#include "auxui/freq_text.h"
#include "auxui/kv_aux.h"

KV_EXTERN_C void KV_CALL KvAuxFreq2Text(uint32_t frequency, char* text) {
  if (text) FreqToText(frequency, text);
}

KV_EXTERN_C uint32_t KV_CALL KvAuxText2Freq(const char* text) { return TextToFreq(text); }

KV_EXTERN_C void KV_CALL KvAuxStation(uint32_t frequency, const char* name, char* text) {
  if (name && text) StationCaption(frequency, name, text);
}
