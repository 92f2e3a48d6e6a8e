#pragma once

#include <memory>
#include <string_view>

#include <windows.h>

#include "picture.h"

namespace orvanta {

namespace platform {
class WindowControls;
}

// frmAbout, the About box: the program's picture, who made it, and OK. It is
// a window of its own with no owner and never modal, so the main window stays
// usable beside it and either can be in front. Closing it, by OK, Escape or
// the close box, unloads it: the window is destroyed and the object deletes
// itself.
class AboutBox final
{
public:
    // Creates the window and its controls from the About design, not yet
    // shown. The object belongs to its window: make it with new.
    AboutBox();
    AboutBox(const AboutBox &) = delete;
    AboutBox &operator=(const AboutBox &) = delete;

    HWND hwnd() const { return m_hwnd; }
    // The control of that design name, or nullptr; and the design name of a
    // control.
    HWND control(std::string_view name) const;
    std::string_view controlName(HWND control) const;

    // Places the window in the middle of its monitor's work area.
    void centre();
    // Shows the box and brings it to the front with the focus on OK.
    void bringToFront();

    // Expires when the box is unloaded (forms::AboutFormRef).
    std::weak_ptr<AboutBox *> tracker() const { return m_tracker; }

private:
    ~AboutBox();

    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    void createControls();
    void sizeFrame(int dpi, const POINT *topLeft);

    void onPaint(HWND window);
    void onCommand(HWND window, int id, HWND control, UINT code);
    void onDestroy(HWND window);
    void onDpiChanged(int dpi, const RECT &suggested);

    HWND m_hwnd = nullptr;
    // OK, which has the focus whenever the box is active, and the buttons
    // Enter and Escape press (OK both).
    HWND m_command1 = nullptr;
    HWND m_cancel = nullptr;
    platform::Picture m_picture;
    std::unique_ptr<platform::WindowControls> m_controls;
    std::shared_ptr<AboutBox *> m_tracker;
};

} // namespace orvanta
