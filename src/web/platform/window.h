#pragma once

// A window drawn in the page, made from a forms::WindowDesign: a frame with
// a caption bar (icon, caption, close box), a menu bar once a menu is added,
// and a client area that shows the background picture and the designed
// lines. Enter in a text box presses the window's default button, Enter on
// a button in a window with a cancel button presses that button, Escape the
// cancel button; Tab and Shift+Tab go round the window's controls. The main
// window runs its close handler when its close box is clicked; a dialog is
// announced as one, can be moved by its caption bar and discards itself when
// closed. Windows lie on the page's desktop and take turns in front.
//
// Where the page is narrower than a window's design, the window arranges
// its controls as its design says for the width there is (arrangement.h),
// at start and whenever the page's size changes: the main window then fills
// the page's width, a dialog stays centred over it.

#include <functional>
#include <memory>
#include <string_view>

#include "adapter.h"
#include "clientarea.h"
#include "design.h"
#include "windowcontrols.h"

namespace orvanta::platform {

class MenuBar;

class Window
{
public:
    explicit Window(const forms::WindowDesign &design);
    Window(const Window &) = delete;
    Window &operator=(const Window &) = delete;
    virtual ~Window();

    forms::Container *client() { return m_client.container(); }
    WindowControls &controls() { return m_controls; }
    // The menu bar is made with the first menu.
    void addMenu(const forms::MenuDesign &design, std::function<void()> chosen);
    void drawLine(const forms::LineDesign &line) { m_client.addLine(line); }
    void onClose(std::function<void()> closed) { m_closed = std::move(closed); }
    // Arranges the window for the page's width and places it in the middle
    // of what the page shows (a narrow main window at its top left).
    void centre();
    void bringToFront(std::string_view focus);
    std::weak_ptr<Window *> tracker() const { return m_tracker; }

private:
    void onKeyDown(val event);
    void makeMovable();
    // Arranges the window for the page's width; true when it changed
    // between its designed and its narrow arrangement.
    bool arrange();
    void place(bool centred);

    const forms::WindowDesign &m_design;
    val m_root;
    ClientArea m_client;
    WindowControls m_controls;
    std::unique_ptr<MenuBar> m_menuBar;
    std::function<void()> m_closed;
    bool m_narrow = false;
    std::shared_ptr<Window *> m_tracker;
    Listeners m_listeners;
};

static_assert(forms::WindowLike<Window, WindowControls>);

} // namespace orvanta::platform
