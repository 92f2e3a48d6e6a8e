#pragma once

#include <memory>
#include <string_view>

#include <windows.h>

#include "designedwindow.h"
#include "picture.h"

namespace orvanta {

// frmAbout, the About box: the program's picture, who made it, and OK. It is
// a window of its own with no owner and never modal, so the main window stays
// usable beside it and either can be in front. Closing it, by OK, Escape or
// the close box, unloads it: the window is destroyed and the object deletes
// itself.
class AboutBox final : public platform::DesignedWindow
{
public:
    // Creates the window and its controls from the About design, not yet
    // shown. The object belongs to its window: make it with new.
    AboutBox();
    ~AboutBox() override;

    // Shows the box and brings it to the front with the focus on OK.
    void bringToFront(std::string_view focus);

    // Expires when the box is unloaded (forms::FormRef).
    std::weak_ptr<AboutBox *> tracker() const { return m_tracker; }

private:

    void buildContents() override;
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    // OK is the only control that takes the focus: it has it whenever the
    // box is active.
    HWND focusOnActivation() const override { return m_command1; }
    void destroyed() override { delete this; }

    void onPaint(HWND window);

    HWND m_command1 = nullptr;
    platform::Picture m_picture;
    std::shared_ptr<AboutBox *> m_tracker;
};

} // namespace orvanta
