// The frame every page of the wizard shares: the painted header over the
// sheet, the tinted background, the wizard buttons, help and programs.
#pragma once

#include <windows.h>

#include <string>

#include "auxui/text_mark.h"
#include "wizard/language_keys.h"

namespace wizard {

// The text of a key in the current language.
const char* Text(const LangText& text);

// Every page procedure ends by handing the message here; the result is the
// page's unless the page already answered. `page` is the page's index.
INT_PTR PageTail(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, int page);

// The index of the page shown now, or -1.
int CurrentPage();
// Header title and subtitle of the page shown now.
void SetHeaderTexts();
void SetHeaderTextsOf(int page);
// The sheet window, once the first page is set up.
HWND Sheet();

// Whether a WM_NOTIFY is a click (button down) on the link that
// KvAuxRESetText placed for `link` in rich edit `control`.
bool IsLinkClick(LPARAM notify, int control, const TextMark& link);

// Opens a help topic ("slines.html", or "Content" for the contents).
void OpenHelp(const char* topic);
// Starts a program of the suite without waiting; switchChar 0 for none.
void StartProgram(const char* program, char switchChar);

}  // namespace wizard
