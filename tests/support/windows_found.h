// Finding the windows of another thread or process, and reading them.
#pragma once

#include <windows.h>

#include <string>

namespace wintest {

constexpr char kMessageBoxClass[] = "#32770";
constexpr char kMenuClass[] = "#32768";

// A top-level window of this class (null: any class) made by the thread, or
// by any thread of the process.
HWND ThreadWindow(DWORD threadId, const char* className, bool visibleOnly = true);
HWND ProcessWindow(DWORD processId, const char* className, bool visibleOnly = true);

std::string WindowText(HWND window);
std::string ClassName(HWND window);
// A message box's caption and its static texts, "caption|text".
std::string MessageBoxContent(HWND box);
// Presses OK and waits until the box is gone.
bool CloseMessageBox(HWND box);

}  // namespace wintest
