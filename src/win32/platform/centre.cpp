#include "centre.h"

#include <algorithm>

namespace orvanta::platform {

void CentreOnScreen(HWND window)
{
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor))
        return;
    RECT frame{};
    GetWindowRect(window, &frame);
    const RECT &area = monitor.rcWork;
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    // A window larger than the work area keeps its title bar on the screen.
    const int left = std::max(area.left, area.left + (area.right - area.left - width) / 2);
    const int top = std::max(area.top, area.top + (area.bottom - area.top - height) / 2);
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace orvanta::platform
