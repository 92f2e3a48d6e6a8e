#pragma once

#include <functional>

#include "nativecontrol.h"

namespace orvanta::platform {

class DefaultButtonController;

// A push Button. A click runs its handler only while input can reach the
// button (it and the pages it lies on are shown and enabled), so Enter never
// converts a row the user cannot see. It tells the window's
// DefaultButtonController when it gains or loses the focus: BS_NOTIFY would
// report that too, but it also turns a double click into BN_DBLCLK instead
// of a second click.
class PushButton final : public NativeControl
{
public:
    PushButton(const forms::ControlDesign &design, HWND parent, int id, WindowFonts &fonts,
               DefaultButtonController &defaultButton);

    void onClick(std::function<void()> handler) { m_clicked = std::move(handler); }

    void notified(UINT code) override;
    void release() override { m_clicked = nullptr; }

private:
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam) override;

    DefaultButtonController &m_defaultButton;
    std::function<void()> m_clicked;
};

} // namespace orvanta::platform
