#include "pushbutton.h"

#include <commctrl.h>

#include "defaultbutton.h"
#include "winapi.h"

namespace orvanta::platform {

PushButton::PushButton(const forms::ControlDesign &design, HWND parent, int id, WindowFonts &fonts,
                       DefaultButtonController &defaultButton)
    : NativeControl(design, {WC_BUTTONW, ChildStyle | WS_TABSTOP | BS_PUSHBUTTON}, parent, id, fonts)
    , m_defaultButton(defaultButton)
{
    subclass();
}

void PushButton::notified(UINT code)
{
    if (code == BN_CLICKED && IsReachable(hwnd()))
        run(m_clicked);
}

LRESULT PushButton::message(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_SETFOCUS && message != WM_KILLFOCUS)
        return passOn(message, wParam, lParam);
    const LRESULT result = passOn(message, wParam, lParam);
    // WM_KILLFOCUS names the window that gets the focus.
    m_defaultButton.focusMoved(message == WM_SETFOCUS ? hwnd() : reinterpret_cast<HWND>(wParam));
    return result;
}

} // namespace orvanta::platform
