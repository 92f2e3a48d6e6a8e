#pragma once

#include <functional>

#include "nativecontrol.h"

namespace orvanta::platform {

// A text box: a single-line Edit with no length limit. Getting the focus,
// however it came, runs its handler (EN_SETFOCUS).
class EditBox final : public NativeControl
{
public:
    EditBox(const forms::ControlDesign &design, HWND parent, int id, WindowFonts &fonts);

    void onGotFocus(std::function<void()> handler) { m_gotFocus = std::move(handler); }

    void notified(UINT code) override;
    void release() override { m_gotFocus = nullptr; }

private:
    std::function<void()> m_gotFocus;
};

} // namespace orvanta::platform
