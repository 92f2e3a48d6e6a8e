#pragma once

#include <memory>
#include <string_view>

#include <windows.h>

#include "design.h"
#include "picture.h"

namespace orvanta::platform {

class WindowControls;

// How the frame of a designed window is made: its window class and styles.
struct WindowFrame
{
    const wchar_t *className;
    DWORD style;
    DWORD exStyle = 0;
};

// The skeleton of every top-level window built from a forms::WindowDesign:
// its class with the design's icon, its creation (undone when its contents
// cannot be built), the window procedure that finds the object and guards
// each message against exceptions, the design's background picture, its
// default and cancel buttons (Enter, Escape; DM_GETDEFID, DM_SETDEFID), the
// focus kept across deactivation, a change of DPI, and the frame sized to
// the designed client area. A window derived from it builds its contents and
// handles only its own messages.
class DesignedWindow
{
public:
    DesignedWindow(const DesignedWindow &) = delete;
    DesignedWindow &operator=(const DesignedWindow &) = delete;

    // nullptr once the window is closed.
    HWND hwnd() const { return m_hwnd; }
    // The control of that design name, or nullptr; and the design name of a
    // control.
    HWND control(std::string_view name) const;
    std::string_view controlName(HWND control) const;

    // Places the window in the middle of its monitor's work area.
    void centre();

protected:
    DesignedWindow(const forms::WindowDesign &design, const WindowFrame &frame);
    virtual ~DesignedWindow();

    // Creates the window, not yet shown, with buildContents; if that fails,
    // the window is destroyed again and the exception passes on. Call it
    // from the derived window's constructor.
    void create();
    // Shows the window in front, the keyboard focus on focus.
    void showInFront(HWND focus);

    WindowControls &controls() const { return *m_controls; }
    int dpi() const;

    // Makes the window's controls (controls() exists by then).
    virtual void buildContents() = 0;
    // The keyboard shortcuts the message loop translates for the window.
    virtual HACCEL accelerators() const { return nullptr; }
    // The window's own messages; what it does not handle it passes here.
    virtual LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Places at dpi what the window made besides its WindowControls (tab
    // strips), while the fonts of the old DPI still exist.
    virtual void layoutAtDpi(int) {}
    // The control that gets the focus when the window is activated: the one
    // that had it when the window was last deactivated, if it can still
    // take it; nullptr leaves the choice to Windows.
    virtual HWND focusOnActivation() const;
    // The window is gone (WM_NCDESTROY); the object may delete itself.
    virtual void destroyed() {}

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void sizeFrame(int dpi, const POINT *topLeft);
    void dpiChanged(int dpi, const RECT &suggested);
    bool activated(UINT state);
    void paintBackground(HDC dc);
    HWND designedButton(std::string_view name) const;

    const forms::WindowDesign &m_design;
    WindowFrame m_frame;
    HWND m_hwnd = nullptr;
    std::unique_ptr<WindowControls> m_controls;
    // The parts of the background picture the client area shows.
    Picture m_background;
    // Where the focus was when the window was last deactivated.
    HWND m_lastFocus = nullptr;
};

} // namespace orvanta::platform
