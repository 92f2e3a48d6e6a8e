#include "centre.h"

#include "centring.h"

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
    const forms::ScreenPoint corner =
        forms::CentredTopLeft({frame.right - frame.left, frame.bottom - frame.top},
                              {area.left, area.top, area.right - area.left, area.bottom - area.top});
    SetWindowPos(window, nullptr, corner.x, corner.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace orvanta::platform
