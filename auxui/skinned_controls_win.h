// What the skinned controls of KvAux.dll share inside the library.
#pragma once

#include <windows.h>

#include "auxui/skin_pixels.h"

namespace kvaux {

// The ramp of the button-face colour as it is now.
ColourRamp SystemRamp();
// A bitmap resource as a DIB section; null when it cannot be loaded.
HBITMAP LoadDib(HINSTANCE module, const char* resource);
// Paints the dialog's background into dc, clipped to the rectangle (dialog
// coordinates) under `control`, by sending the dialog WM_ERASEBKGND.
void EraseUnder(HWND dialog, HWND control, HDC dc);
// The rectangle of a control in its dialog's client coordinates.
RECT RectInDialog(HWND dialog, HWND control);

}  // namespace kvaux
