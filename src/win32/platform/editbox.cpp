#include "editbox.h"

#include <commctrl.h>

namespace orvanta::platform {

EditBox::EditBox(const forms::ControlDesign &design, HWND parent, int id, WindowFonts &fonts)
    : NativeControl(design, {WC_EDITW, ChildStyle | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE}, parent,
                    id, fonts)
{
    // No length limit: the most a single-line edit can hold.
    SendMessageW(hwnd(), EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
}

void EditBox::notified(UINT code)
{
    if (code == EN_SETFOCUS)
        run(m_gotFocus);
}

} // namespace orvanta::platform
