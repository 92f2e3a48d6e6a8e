#include "paintedstatic.h"

#include <commctrl.h>

namespace orvanta::platform {

PaintedStatic::PaintedStatic(const forms::ControlDesign &design, DWORD style, HWND parent, int id,
                             WindowFonts &fonts)
    : NativeControl(design, {WC_STATICW, ChildStyle | style}, parent, id, fonts)
{
    subclass();
}

LRESULT PaintedStatic::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(hwnd(), &paint);
        paintOn(dc);
        EndPaint(hwnd(), &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        paintOn(reinterpret_cast<HDC>(wParam));
        return 0;
    default:
        return passOn(message, wParam, lParam);
    }
}

void PaintedStatic::paintOn(HDC dc)
{
    RECT area{};
    GetClientRect(hwnd(), &area);
    // The background and text colour, as the parent chooses them.
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(hwnd()), WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd())));
    FillRect(dc, &area, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    paint(dc, area);
}

} // namespace orvanta::platform
