#include "windowframe.h"

#include <string>

#include "centring.h"
#include "twips.h"
#include "utf8.h"
#include "winapi.h"

namespace orvanta::platform {
namespace {

DWORD styleOf(forms::WindowRole role)
{
    const DWORD frame = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    return role == forms::WindowRole::Main ? frame | WS_MINIMIZEBOX : frame;
}

DWORD exStyleOf(forms::WindowRole role)
{
    return role == forms::WindowRole::Dialog ? WS_EX_APPWINDOW : 0;
}

HICON loadIcon(const std::wstring &name, int widthMetric, int heightMetric)
{
    return static_cast<HICON>(LoadImageW(ProgramInstance(), name.c_str(), IMAGE_ICON, GetSystemMetrics(widthMetric),
                                         GetSystemMetrics(heightMetric), LR_SHARED));
}

} // namespace

HWND MakeFramedWindow(const forms::WindowDesign &design, WNDPROC windowProc, bool paintsBackground, void *object)
{
    const std::wstring className = L"Orvanta." + FromUtf8(design.name);
    WNDCLASSEXW windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    // A colour index, not a brush: the system's brushes are made anew when
    // the user changes the colours.
    windowClass.hbrBackground = paintsBackground ? nullptr : reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className.c_str();
    // Big for Alt+Tab, small for the title bar.
    const std::wstring icon = FromUtf8(design.icon.resourceName);
    windowClass.hIcon = loadIcon(icon, SM_CXICON, SM_CYICON);
    windowClass.hIconSm = loadIcon(icon, SM_CXSMICON, SM_CYSMICON);
    RegisterWindowClass(windowClass);

    const std::string what(design.name);
    return CheckedWindow(CreateWindowExW(exStyleOf(design.role), className.c_str(), FromUtf8(design.caption).c_str(),
                                         styleOf(design.role), CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr,
                                         ProgramInstance(), object),
                         what.c_str());
}

void SizeFrame(HWND window, const forms::WindowDesign &design, int dpi, const POINT *topLeft)
{
    const int width = Twips(design.clientWidth, dpi);
    const int height = Twips(design.clientHeight, dpi);
    RECT frame{0, 0, width, height};
    AdjustWindowRectExForDpi(&frame, styleOf(design.role), GetMenu(window) != nullptr, exStyleOf(design.role),
                             static_cast<UINT>(dpi));
    const POINT origin = topLeft ? *topLeft : POINT{};
    SetWindowPos(window, nullptr, origin.x, origin.y, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | (topLeft ? 0 : SWP_NOMOVE));
    // The frame drawn may take more than computed: a menu bar that wraps to
    // a second line, a title bar still at the old DPI.
    RECT client{};
    GetClientRect(window, &client);
    const int missingWidth = width - (client.right - client.left);
    const int missingHeight = height - (client.bottom - client.top);
    if (missingWidth != 0 || missingHeight != 0)
        SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + missingWidth,
                     frame.bottom - frame.top + missingHeight, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

void CentreFrame(HWND window)
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
