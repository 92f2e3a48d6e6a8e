#pragma once

#include <string_view>

#include <windows.h>

namespace orvanta::platform {

// The tooltip control of one window, made when a control of the window is
// first given a tip: the tip shows while the pointer rests on the control.
class ToolTips final
{
public:
    explicit ToolTips(HWND owner) : m_owner(owner) {}
    ToolTips(const ToolTips &) = delete;
    ToolTips &operator=(const ToolTips &) = delete;

    void set(HWND control, std::string_view tip);
    // nullptr until the first tip.
    HWND window() const { return m_window; }

private:
    HWND m_owner;
    HWND m_window = nullptr;
};

} // namespace orvanta::platform
