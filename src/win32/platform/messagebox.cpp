#include "messagebox.h"

#include <string>
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
// About box beside Main) take no input either while the box is open: those
// shown and enabled are disabled here, to be enabled again after it.
std::vector<HWND> disableOthers(HWND owner)
{
    struct Others
    {
        HWND owner;
        std::vector<HWND> disabled;
    } others{owner, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) {
            auto &others = *reinterpret_cast<Others *>(data);
            if (window != others.owner && IsWindowVisible(window) && IsWindowEnabled(window)) {
                EnableWindow(window, FALSE);
                others.disabled.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&others));
    return others.disabled;
}

} // namespace

void ShowMessageBox(const forms::MessageRequest &request, forms::MessageIcon icon)
{
    // Owned by the active window, so the box opens over it and the focus
    // returns there. Only the OK-only button set is used by the program.
    HWND owner = GetActiveWindow();
    const std::wstring prompt = FromUtf8(request.prompt);
    const std::wstring title = FromUtf8(request.title);
    const std::vector<HWND> disabled = disableOthers(owner);
    MessageBoxW(owner, prompt.c_str(), title.c_str(),
                MB_OK | iconOf(icon) | (owner ? MB_APPLMODAL : MB_TASKMODAL) | MB_SETFOREGROUND);
    for (HWND window : disabled) {
        if (IsWindow(window))
            EnableWindow(window, TRUE);
    }
}

} // namespace orvanta::platform
