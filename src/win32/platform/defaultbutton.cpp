#include "defaultbutton.h"

namespace orvanta::platform {
namespace {

bool isPushButton(HWND window)
{
    return window && (SendMessageW(window, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON));
}

struct IdSearch
{
    int id;
    HWND found = nullptr;
};

BOOL CALLBACK matchId(HWND window, LPARAM data)
{
    auto *search = reinterpret_cast<IdSearch *>(data);
    if (GetDlgCtrlID(window) != search->id)
        return TRUE;
    search->found = window;
    return FALSE;
}

// Controls lie on pages inside the window, so GetDlgItem would not find them.
HWND findControl(HWND window, int id)
{
    IdSearch search{id};
    EnumChildWindows(window, matchId, reinterpret_cast<LPARAM>(&search));
    return search.found;
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

DefaultButtonController::DefaultButtonController(HWND window)
    : m_window(window)
{
}

void DefaultButtonController::setDefaultId(int id)
{
    m_defaultId = id;
    HWND focus = GetFocus();
    drawAsDefault(isPushButton(focus) && IsChild(m_window, focus) ? focus : findControl(m_window, id));
}

LRESULT DefaultButtonController::defaultIdAnswer() const
{
    return m_defaultId ? MAKELONG(m_defaultId, DC_HASDEFID) : 0;
}

void DefaultButtonController::buttonFocusChanged(HWND button, bool gained)
{
    if (gained && isPushButton(button))
        drawAsDefault(button);
    else
        drawAsDefault(m_defaultId ? findControl(m_window, m_defaultId) : nullptr);
}

void DefaultButtonController::drawAsDefault(HWND button)
{
    EnumChildWindows(m_window, drawIfDefault, reinterpret_cast<LPARAM>(button));
}

} // namespace orvanta::platform
