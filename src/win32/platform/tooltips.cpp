#include "tooltips.h"

#include <string>

#include <commctrl.h>

#include "utf8.h"
#include "winapi.h"

namespace orvanta::platform {

void ToolTips::set(HWND control, std::string_view tip)
{
    if (!m_window) {
        m_window =
            CheckedWindow(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_owner, nullptr,
                                          ProgramInstance(), nullptr),
                          "tooltip");
    }
    std::wstring text = FromUtf8(tip);
    TTTOOLINFOW tool{};
    // The size every comctl32 version accepts.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    const bool known = SendMessageW(m_window, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
    tool.lpszText = text.data();
    SendMessageW(m_window, known ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

} // namespace orvanta::platform
