#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include <windows.h>

#include "adapter.h"
#include "design.h"
#include "clientarea.h"
#include "menubar.h"
#include "windowcontrols.h"

namespace orvanta::platform {

// A top-level window made from a forms::WindowDesign on Win32: its class
// with the design's icon, a fixed client area sized to the design at the
// window's DPI (below the menu bar, once there is one), the background
// picture and the designed lines painted on it, the designed default and
// cancel buttons (Enter, Escape; DM_GETDEFID, DM_SETDEFID), the focus kept
// across deactivation, a change of DPI, and changes of the system's
// colours, theme and metrics while it runs. Its window procedure finds the
// object and guards each message against exceptions. The main window has a
// minimize box and runs its close handler on the close box; a dialog has a
// close box only and a taskbar button of its own, and belongs to its
// window: it is deleted when the window is destroyed.
class Window
{
public:
    explicit Window(const forms::WindowDesign &design);
    virtual ~Window();
    Window(const Window &) = delete;
    Window &operator=(const Window &) = delete;

    // nullptr once the window is closed.
    HWND hwnd() const { return m_hwnd; }
    // The control of that design name, or nullptr; and the design name of a
    // control.
    HWND control(std::string_view name) const { return m_controls->find(name); }
    std::string_view controlName(HWND control) const { return m_controls->nameOf(control); }

    forms::Container *client() const { return m_hwnd; }
    WindowControls &controls() { return *m_controls; }

    void addMenu(const forms::MenuDesign &design, std::function<void()> chosen);
    void drawLine(const forms::LineDesign &line);
    void onClose(std::function<void()> closed) { m_closed = std::move(closed); }

    // Places the window in the middle of its monitor's work area.
    void centre();
    void bringToFront(std::string_view focus);

    std::weak_ptr<Window *> tracker() const { return m_tracker; }

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void create();
    // Sets the menu bar and sizes the frame for it, unless done since the
    // last menu was added.
    void fitFrame();
    // Makes the fonts again for dpi (the system's message font may have
    // changed too), places the controls and sizes the frame for them, and
    // repaints; moves the window to topLeft unless it is nullptr.
    void layOutAgain(int dpi, const POINT *topLeft);
    // WM_SYSCOLORCHANGE (passed on to the controls, then everything painted
    // again in the new colours), WM_THEMECHANGED, WM_SETTINGCHANGE.
    void systemChanged(UINT message, WPARAM wParam);
    void repaint();
    // WM_ACTIVATE: whether the focus was placed.
    bool activated(UINT state);
    void command(WPARAM wParam, LPARAM lParam);

    const forms::WindowDesign &m_design;
    HWND m_hwnd = nullptr;
    std::unique_ptr<WindowControls> m_controls;
    MenuBar m_menus;
    bool m_frameFitted = false;
    ClientArea m_client;
    std::function<void()> m_closed;
    // Where the focus was when the window was last deactivated.
    HWND m_lastFocus = nullptr;
    // Set while the object is being deleted, which destroys its window.
    bool m_deleting = false;
    std::shared_ptr<Window *> m_tracker;
};

static_assert(forms::WindowLike<Window, WindowControls>);

} // namespace orvanta::platform
