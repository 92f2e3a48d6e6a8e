#include "messagebox.h"

#include <utility>
#include <vector>

#include <windows.h>

#include "utf8.h"

namespace orvanta::platform {
namespace {

UINT iconOf(forms::MessageIcon icon)
{
    switch (icon) {
    case forms::MessageIcon::Critical:
        return MB_ICONERROR;
    case forms::MessageIcon::Question:
        return MB_ICONQUESTION;
    case forms::MessageIcon::Warning:
        return MB_ICONWARNING;
    case forms::MessageIcon::Information:
        return MB_ICONINFORMATION;
    case forms::MessageIcon::None:
        break;
    }
    return 0;
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

void ShowMessageBox(const forms::MessageRequest &request, forms::MessageIcon icon)
{
    // Owned by the active window, so the box opens over it and the focus
    // returns there. Only the OK-only button set is used by the program.
    HWND owner = GetActiveWindow();
    const OtherWindowsDisabled others(owner);
    MessageBoxW(owner, FromUtf8(request.prompt).c_str(), FromUtf8(request.title).c_str(),
                MB_OK | iconOf(icon) | (owner ? MB_APPLMODAL : MB_TASKMODAL) | MB_SETFOREGROUND);
}

} // namespace orvanta::platform
