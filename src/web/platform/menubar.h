#pragma once

// A window's menu bar in the page: menus with their items, chosen by the
// mouse, by their shortcut keys from anywhere in the window, or from the
// keyboard as on a desktop: F10 or Alt alone enters the bar, Alt and an
// access key opens a menu, the arrows move, Enter or the item's access key
// chooses, Escape leaves. A menu offers no key that the browser keeps for
// itself (Ctrl+Q quits Firefox before the page sees it).

#include <functional>
#include <vector>

#include "design.h"
#include "listeners.h"

namespace orvanta::platform {

class MenuBar final
{
public:
    // A bar on window, above its client area `below`.
    MenuBar(val window, val below);
    MenuBar(const MenuBar &) = delete;
    MenuBar &operator=(const MenuBar &) = delete;

    void add(const forms::MenuDesign &design, std::function<void()> chosen);

    // A key pressed anywhere in the window: true when it was the bar's (a
    // shortcut, F10, Alt and an access key).
    bool windowKeyDown(val event);
    void windowKeyUp(val event);
    // The focus moved in the window: where it goes back to when the bar is
    // left, if it is not in the bar.
    void windowFocusIn(val target);

private:
    struct Menu
    {
        char accessKey; // lower case; 0 for none
        val button;
        val popup;
        forms::ShortcutKey shortcut;
        std::function<void()> chosen;
    };

    void open(std::size_t index, bool focusItem);
    void close(bool restoreFocus);
    void onKey(val event);

    val m_element;
    std::vector<Menu> m_menus;
    val m_focusBefore = val::null();
    bool m_altAlone = false;
    Listeners m_listeners;
};

} // namespace orvanta::platform
