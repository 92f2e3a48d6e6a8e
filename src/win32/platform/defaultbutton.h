#pragma once

#include <functional>

#include <windows.h>

namespace orvanta::platform {

// Win32 keeps a default button only in dialogs (DefDlgProc). This gives a
// plain top-level window the same mechanics, with IsDialogMessageW in the
// message loop doing the key handling:
//  - at most one default button per window, designated by code (DM_SETDEFID)
//    and kept when the focus moves elsewhere; the window procedure answers
//    DM_GETDEFID from here;
//  - Enter in a control that does not take it itself (a single-line edit, a
//    tab control) clicks the default button;
//  - a push button that holds the focus takes Enter itself: while focused it
//    is drawn as the default, which is what IsDialogMessageW looks at.
// The button drawn as default is always the one Enter would click. A click
// on a hidden or disabled button does not run (PushButton), so Enter
// never converts a row the user cannot see. IsDialogMessageW, moving the
// focus with Tab, takes the default look off every button as in a dialog;
// the message loop then sends DM_SETDEFID with the same ID to restore it.
class DefaultButtonController final
{
public:
    // controlOf finds a control of the window by its ID: controls lie on
    // pages inside the window, where GetDlgItem would not find them.
    DefaultButtonController(HWND window, std::function<HWND(int id)> controlOf);

    // DM_SETDEFID.
    void setDefaultId(int id);
    // The answer to DM_GETDEFID: MAKELONG(id, DC_HASDEFID), or 0 while no
    // button is designated.
    LRESULT defaultIdAnswer() const;

    // A push button of the window gained or lost the focus, which is now on
    // focus: a push button of the window there is drawn as the default, else
    // the designated one, and every other push button as not.
    void focusMoved(HWND focus);

private:

    HWND m_window;
    std::function<HWND(int id)> m_controlOf;
    int m_defaultId = 0;
};

} // namespace orvanta::platform
