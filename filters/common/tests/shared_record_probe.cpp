// A test library that holds nothing but a shared record.
#include <cstdint>

#include "filters/common/shared_record_win.h"

struct ProbeRecord {
  int32_t words[1000];  // larger than one page, to see every page shared
};
FILTERS_SHARED_RECORD(ProbeRecord, g_probe);

extern "C" __declspec(dllexport) ProbeRecord* GetProbeRecord() { return &g_probe; }
