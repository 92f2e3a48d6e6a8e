#pragma once

#include <string>

#include <windows.h>

// Small helpers over the Win32 API that the adapter's parts share.

namespace orvanta::platform {

// The module whose resources hold the icons and pictures: the executable.
HINSTANCE ProgramInstance();

// Starts the common controls (comctl32, loaded on first use), once per run;
// every window calls it before it is made. Loading them brings the visual
// styles and the display driver along, several megabytes.
void StartCommonControls();

// Registers a window class of the program once per run.
void RegisterWindowClass(WNDCLASSEXW windowClass);

// Throws std::system_error with GetLastError() when a window could not be made.
HWND CheckedWindow(HWND window, const char *what);

// The whole text of a window.
std::wstring WindowTextOf(HWND window);

// Whether input can reach the control: it and every window it lies on are
// shown and enabled.
bool IsReachable(HWND control);

} // namespace orvanta::platform
