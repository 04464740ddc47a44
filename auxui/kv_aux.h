// KvAux.dll: the suite's one reading of the stored station list, equalizer
// presets and active-filter list, the text form of a frequency, rich-edit
// labels with bold and link mark-up, and the installed engine's version.
// Every export is a plain cdecl function with an undecorated name. Buffers
// it returns come from the library's own heap and go back with
// KvAuxFreeBuffer, never with any other release function.
#pragma once

#include <windows.h>

#include "auxui/text_mark.h"
#include "host/kv_api.h"
#include "host/records.h"

// ---- station list, presets, active filters, frequency text

// The stations of KvStations/Stations in stored order, or null (count 0)
// when the list is missing, empty or memory runs out.
KV_EXTERN_C StationInfo* KV_CALL KvAuxStationList(uint32_t* count);
// Releases a buffer from KvAuxStationList or KvAuxGetPresets; null is fine.
KV_EXTERN_C void KV_CALL KvAuxFreeBuffer(void* buffer);
// "100.05" for 100050000; writes at most 12 bytes. A null buffer is ignored.
KV_EXTERN_C void KV_CALL KvAuxFreq2Text(uint32_t frequency, char* text);
// Hertz of a text such as "87.5"; 0 for null or no digits, 0xFFFFFFFF when
// the value does not fit in 32 bits.
KV_EXTERN_C uint32_t KV_CALL KvAuxText2Freq(const char* text);
// "101.7 - Name", or the frequency text alone for an empty name; writes at
// most strlen(name) + 15 bytes. Nothing happens for a null name or buffer.
KV_EXTERN_C void KV_CALL KvAuxStation(uint32_t frequency, const char* name, char* text);
// Presets of Tonal10 (bands 10: EqualizerPreset) or Tonal31 (bands 31:
// EqualizerPreset31); any other band count picks the equalizer in the filter
// list and is set to 10 or 31. Values come back clamped to their ranges.
KV_EXTERN_C void* KV_CALL KvAuxGetPresets(int32_t* bands, uint32_t* count);
// Replaces the whole preset list of Tonal31 (bands 31) or Tonal10 (others).
KV_EXTERN_C KvBool KV_CALL KvAuxSetPresets(int32_t bands, const void* presets, uint32_t count);
// Whether a plug-in's file name is in KvFilters/Filters (case ignored).
KV_EXTERN_C KvBool KV_CALL KvAuxIsFilterActive(const char* fileName);

// ---- rich-edit labels and the engine version

// Makes a rich-edit control a read-only label: wrapped at its width, never
// keeping the focus, arrow cursor, EN_LINK sent to the dialog.
KV_EXTERN_C KvBool KV_CALL KvAuxRE(HWND dialog, int control);
// Shows a text with \b...\b (bold) and \1...\1 (link) regions; each mark's
// start and length receive where its region ended up in the shown text.
KV_EXTERN_C void KV_CALL KvAuxRESetText(HWND dialog, int control, const char* text, TextMark* marks,
                                        uint32_t count);
KV_EXTERN_C KvBool KV_CALL KvAuxREBold(HWND dialog, int control, int32_t start, int32_t length);
KV_EXTERN_C KvBool KV_CALL KvAuxRELink(HWND dialog, int control, int32_t start, int32_t length);
// 1..6 from the installed KvEngine.exe, or 0 when it is missing or unusable.
KV_EXTERN_C uint32_t KV_CALL KvAuxGetVersion();

// ---- skinned dialog controls: buttons, backgrounds, transparent controls
// (declared here when they join the library)
