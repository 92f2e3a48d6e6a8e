#pragma once

#include <string>

#include <windows.h>

namespace orvanta::platform {

// The object a window procedure works for: the lpParam given to
// CreateWindowExW, kept in the window's user data from WM_NCCREATE on.
// Messages that come before it find no object.
template<typename T>
T *WindowObject(HWND window, UINT message, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto *create = reinterpret_cast<const CREATESTRUCTW *>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    return reinterpret_cast<T *>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

// The module whose resources hold the icons and pictures: the executable.
HINSTANCE ProgramInstance();

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
