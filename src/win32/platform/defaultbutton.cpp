#include "defaultbutton.h"

#include <utility>

namespace orvanta::platform {
namespace {

bool isPushButton(HWND window)
{
    return window && (SendMessageW(window, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON));
}

// Gives a push button the default look when it is the one, takes it off
// otherwise; a button that already looks right is not redrawn.
BOOL CALLBACK drawIfDefault(HWND child, LPARAM data)
{
    const LRESULT code = SendMessageW(child, WM_GETDLGCODE, 0, 0);
    if (!(code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)))
        return TRUE;
    const bool wanted = child == reinterpret_cast<HWND>(data);
    if (static_cast<bool>(code & DLGC_DEFPUSHBUTTON) != wanted)
        SendMessageW(child, BM_SETSTYLE, wanted ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    return TRUE;
}

} // namespace

DefaultButtonController::DefaultButtonController(HWND window, std::function<HWND(int id)> controlOf)
    : m_window(window)
    , m_controlOf(std::move(controlOf))
{
}

void DefaultButtonController::setDefaultId(int id)
{
    m_defaultId = id;
    focusMoved(GetFocus());
}

LRESULT DefaultButtonController::defaultIdAnswer() const
{
    return m_defaultId ? MAKELONG(m_defaultId, DC_HASDEFID) : 0;
}

void DefaultButtonController::focusMoved(HWND focus)
{
    HWND button = isPushButton(focus) && IsChild(m_window, focus) ? focus : m_controlOf(m_defaultId);
    EnumChildWindows(m_window, drawIfDefault, reinterpret_cast<LPARAM>(button));
}

} // namespace orvanta::platform
