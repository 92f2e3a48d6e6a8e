#pragma once

// A window drawn in the page: a frame with a caption bar (icon, caption,
// close box), an optional menu bar and a client area of the designed size.
// Windows lie on the page's desktop element and take turns in front.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "dom.h"

namespace orvanta::platform {

struct MenuItem
{
    std::string caption;      // '&' marks the access key
    // The shortcut: a key as KeyboardEvent.key names it ("q", "F2"), with
    // Ctrl or without.
    std::string key;
    bool ctrl = false;
    // Shown beside the caption ("Ctrl+Q"), and told to screen readers
    // ("Control+Q"); empty where the browser keeps the key for itself.
    std::string shortcutText;
    std::string ariaShortcut;
    std::string name;
    std::function<void()> chosen;
};

struct Menu
{
    std::string caption;
    std::string name;
    std::vector<MenuItem> items;
};

class Window
{
public:
    // role: "dialog" for a dialog box, empty for the main window. The icon,
    // background picture and cancel button come from the design.
    Window(const forms::WindowDesign &design, std::string_view role);
    Window(const Window &) = delete;
    Window &operator=(const Window &) = delete;
    ~Window();

    val root() const { return m_root; }
    val client() const { return m_client; }

    void setMenus(std::vector<Menu> menus);
    // The close box, and Alt+F4's stand-in.
    void onClose(std::function<void()> closed);
    // The caption bar moves the window.
    void makeMovable();

    void centre();
    void show();

private:
    void openMenu(int index, bool focusItem);
    void closeMenus(bool restoreFocus);
    void onKeyDown(val event);
    void onMenuBarKey(val event);

    val m_root = val::null();
    val m_client = val::null();
    val m_menuBar = val::null();
    std::vector<val> m_barItems;
    std::vector<val> m_popups;
    std::vector<Menu> m_menus;
    std::vector<std::function<void()>> m_shortcuts;
    std::string m_cancelName;
    val m_focusBeforeMenu = val::null();
    bool m_altAlone = false;
    Listeners m_listeners;
};

// Makes button the default button of its window.
void SetDefaultButton(val button);
// Brings the window holding element in front of the others.
void BringToFront(val element);

} // namespace orvanta::platform
