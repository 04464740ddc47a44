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
// Dialogs drawn as one painted surface: the artwork is drawn in greys and
// tinted to the button-face colour, grey 192 becoming the face itself.

// The background a dialog hands to KvAuxDlgProc with every message.
struct DialogBackground {
  HBITMAP bitmap;  // from KvAuxBackground; deleted at WM_DESTROY
  int32_t width;   // filled at WM_INITDIALOG
  int32_t height;
};

// Makes a dialog's button a bitmap button: the normal picture tinted, the
// hot one (mouse over it, or checked) as drawn, RGB(192, 192, 192)
// transparent in both. False when the control is missing or cannot be
// subclassed; nothing is left behind then.
KV_EXTERN_C KvBool KV_CALL KvAuxButton(HWND dialog, int control, HINSTANCE module, const char* hotImage,
                                       const char* normalImage);
// A bitmap resource as a DIB section, its palette tinted when it has one of
// 8 bits or fewer; null when it cannot be loaded. The caller owns it.
KV_EXTERN_C HBITMAP KV_CALL KvAuxBackground(HINSTANCE module, const char* resource);
// Called at the end of a dialog procedure for every message; its result is
// the dialog procedure's: 1 for WM_INITDIALOG and WM_ERASEBKGND, else 0.
// Erasing fills the face colour and centres the picture.
KV_EXTERN_C INT_PTR KV_CALL KvAuxDlgProc(HWND dialog, UINT message, WPARAM wParam, DialogBackground* background);
// Lets a static or check box (control 0: none) show the dialog's background
// through it; the dialog is subclassed once, however often this is called.
KV_EXTERN_C KvBool KV_CALL KvAuxTransparent(HWND dialog, int control);
