#include "messagebox.h"

#include <utility>
#include <vector>

#include <windows.h>

#include "forms.h"
#include "utf8.h"

namespace orvanta::platform {
namespace {

MessageBoxHook &hook()
{
    static MessageBoxHook instance;
    return instance;
}

UINT iconOf(int style)
{
    switch (style & 0x70) {
    case forms::Critical:
        return MB_ICONERROR;
    case forms::Question:
        return MB_ICONQUESTION;
    case forms::Exclamation:
        return MB_ICONWARNING;
    case forms::Information:
        return MB_ICONINFORMATION;
    default:
        return 0;
    }
}

// MessageBoxW disables only its owner. The program's other windows (the
// About box beside Main) take no input either while the box is open.
class OtherWindowsDisabled final
{
public:
    explicit OtherWindowsDisabled(HWND owner)
        : m_owner(owner)
    {
        EnumThreadWindows(GetCurrentThreadId(), disable, reinterpret_cast<LPARAM>(this));
    }
    ~OtherWindowsDisabled()
    {
        for (HWND window : m_disabled) {
            if (IsWindow(window))
                EnableWindow(window, TRUE);
        }
    }
    OtherWindowsDisabled(const OtherWindowsDisabled &) = delete;
    OtherWindowsDisabled &operator=(const OtherWindowsDisabled &) = delete;

private:
    static BOOL CALLBACK disable(HWND window, LPARAM data)
    {
        auto *self = reinterpret_cast<OtherWindowsDisabled *>(data);
        if (window != self->m_owner && IsWindowVisible(window) && IsWindowEnabled(window)) {
            EnableWindow(window, FALSE);
            self->m_disabled.push_back(window);
        }
        return TRUE;
    }

    HWND m_owner;
    std::vector<HWND> m_disabled;
};

} // namespace

void MsgBox(std::string_view prompt, int style, std::string_view title)
{
    if (hook()) {
        hook()({std::string(prompt), style, std::string(title)});
        return;
    }
    // Owned by the active window, so the box opens over it and the focus
    // returns there. Only the OK-only button set is used by the program.
    HWND owner = GetActiveWindow();
    const OtherWindowsDisabled others(owner);
    MessageBoxW(owner, FromUtf8(prompt).c_str(), FromUtf8(title).c_str(),
                MB_OK | iconOf(style) | (owner ? MB_APPLMODAL : MB_TASKMODAL) | MB_SETFOREGROUND);
}

void SetMessageBoxHook(MessageBoxHook newHook)
{
    hook() = std::move(newHook);
}

} // namespace orvanta::platform
