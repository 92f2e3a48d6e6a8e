#include "messageloop.h"

#include <algorithm>

namespace orvanta::platform {
namespace {

struct TopLevel
{
    HWND window;
    HACCEL accelerators;
};

std::vector<TopLevel> &topLevels()
{
    static std::vector<TopLevel> windows;
    return windows;
}

const TopLevel *topLevelOf(HWND window)
{
    if (!window)
        return nullptr;
    HWND root = GetAncestor(window, GA_ROOT);
    for (const TopLevel &entry : topLevels()) {
        if (entry.window == root)
            return &entry;
    }
    return nullptr;
}

} // namespace

void AddTopLevelWindow(HWND window)
{
    topLevels().push_back({window, nullptr});
}

void SetAccelerators(HWND window, HACCEL accelerators)
{
    for (TopLevel &entry : topLevels()) {
        if (entry.window == window)
            entry.accelerators = accelerators;
    }
}

void RemoveTopLevelWindow(HWND window)
{
    std::erase_if(topLevels(), [window](const TopLevel &entry) { return entry.window == window; });
}

std::vector<HWND> TopLevelWindows()
{
    std::vector<HWND> windows;
    for (const TopLevel &entry : topLevels())
        windows.push_back(entry.window);
    return windows;
}

void ProcessMessage(MSG &message)
{
    if (const TopLevel *target = topLevelOf(message.hwnd)) {
        // Copied: the handlers the message runs may close the window.
        const TopLevel entry = *target;
        if (entry.accelerators && TranslateAcceleratorW(entry.window, entry.accelerators, &message))
            return;
        if (IsDialogMessageW(entry.window, &message)) {
            // Moving the focus by key, it may have taken the default look
            // off the window's buttons (DefaultButtonController).
            if (message.message == WM_KEYDOWN && IsWindow(entry.window))
                SendMessageW(entry.window, DM_SETDEFID, LOWORD(SendMessageW(entry.window, DM_GETDEFID, 0, 0)), 0);
            return;
        }
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int RunMessageLoop()
{
    MSG message{};
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0)
            return static_cast<int>(message.wParam);
        if (got == -1)
            return 1;
        ProcessMessage(message);
    }
}

} // namespace orvanta::platform
