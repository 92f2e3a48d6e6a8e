#include "winapi.h"

#include <system_error>

#include <commctrl.h>

namespace orvanta::platform {

HINSTANCE ProgramInstance()
{
    return GetModuleHandleW(nullptr);
}

void StartCommonControls()
{
    static const bool started = [] {
        const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                            ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    static_cast<void>(started);
}

void RegisterWindowClass(WNDCLASSEXW windowClass)
{
    windowClass.cbSize = sizeof windowClass;
    windowClass.hInstance = ProgramInstance();
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    // Windows are made again after an earlier one closed (the About box).
    if (GetClassInfoExW(windowClass.hInstance, windowClass.lpszClassName, &existing))
        return;
    if (!RegisterClassExW(&windowClass))
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), "RegisterClassExW");
}

HWND CheckedWindow(HWND window, const char *what)
{
    if (!window)
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
    return window;
}

std::wstring WindowTextOf(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    if (length <= 0)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

bool IsReachable(HWND control)
{
    if (!IsWindowVisible(control))
        return false;
    for (HWND window = control; window; window = GetAncestor(window, GA_PARENT)) {
        if (!IsWindowEnabled(window))
            return false;
        if (!(GetWindowLongW(window, GWL_STYLE) & WS_CHILD))
            break;
    }
    return true;
}

} // namespace orvanta::platform
