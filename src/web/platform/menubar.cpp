#include "menubar.h"

#include <cctype>
#include <string_view>

#include "dom.h"

namespace orvanta::platform {
namespace {

char Lower(char c)
{
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// "E&xit" as "E<u>x</u>it"; gives back the access key, lower case, or 0.
char SetAccessText(val element, std::string_view caption)
{
    const std::size_t amp = caption.find('&');
    if (amp == std::string_view::npos || amp + 1 >= caption.size()) {
        element.set("textContent", std::string(caption));
        return 0;
    }
    element.call<void>("append", std::string(caption.substr(0, amp)));
    Create("u", element).set("textContent", std::string(caption.substr(amp + 1, 1)));
    element.call<void>("append", std::string(caption.substr(amp + 2)));
    return Lower(caption[amp + 1]);
}

bool BrowserKeeps(forms::ShortcutKey key)
{
    const std::string agent = val::global("navigator")["userAgent"].as<std::string>();
    return key.control && key.letter == 'Q' && agent.find("Firefox/") != std::string::npos;
}

// The key as KeyboardEvent.key names it: "q", "F2".
std::string EventKey(forms::ShortcutKey key)
{
    return key.letter != 0 ? std::string(1, Lower(key.letter)) : "F" + std::to_string(key.function);
}

val ActiveElement()
{
    return val::global("document")["activeElement"];
}

} // namespace

MenuBar::MenuBar(val window, val below)
    : m_element(Create("div", val::null(), "menubar"))
{
    window.call<void>("insertBefore", m_element, below);
    SetAttribute(m_element, "role", "menubar");
}

void MenuBar::add(const forms::MenuDesign &design, std::function<void()> chosen)
{
    const std::size_t index = m_menus.size();
    val button = Create("button", m_element, "menu");
    const char accessKey = SetAccessText(button, design.menuCaption);
    button.set("tabIndex", -1);
    SetAttribute(button, "role", "menuitem");
    SetAttribute(button, "aria-haspopup", "menu");
    SetAttribute(button, "aria-expanded", "false");
    button["dataset"].set("name", std::string(design.menuName));

    val popup = Create("div", m_element, "popup");
    SetAttribute(popup, "role", "menu");
    SetAttribute(popup, "aria-label", button["textContent"].as<std::string>());
    popup.set("hidden", true);
    val item = Create("button", popup, "item");
    item.set("tabIndex", -1);
    SetAttribute(item, "role", "menuitem");
    item["dataset"].set("name", std::string(design.itemName));
    SetAccessText(Create("span", item, "label"), design.itemCaption);
    val shortcut = Create("span", item, "shortcut");
    SetAttribute(shortcut, "aria-hidden", "true");
    if (!BrowserKeeps(design.shortcut)) {
        const std::string text = forms::ShortcutText(design.shortcut);
        shortcut.set("textContent", text);
        // Screen readers name the Ctrl key Control.
        SetAttribute(item, "aria-keyshortcuts", design.shortcut.control ? "Control" + text.substr(4) : text);
    }

    m_menus.push_back({accessKey, button, popup, design.shortcut, std::move(chosen)});
    m_listeners.add(item, "click", [this, index](val) {
        close(true);
        m_menus[index].chosen();
    });
    m_listeners.add(button, "click", [this, index](val) {
        if (!m_menus[index].popup["hidden"].as<bool>())
            close(true);
        else
            open(index, false);
    });
    m_listeners.add(button, "keydown", [this](val event) { onKey(event); });
    m_listeners.add(popup, "keydown", [this](val event) { onKey(event); });
}

void MenuBar::open(std::size_t index, bool focusItem)
{
    close(false);
    Menu &menu = m_menus[index];
    menu.popup.set("hidden", false);
    menu.popup["style"].set("left", std::to_string(menu.button["offsetLeft"].as<int>()) + "px");
    SetAttribute(menu.button, "aria-expanded", "true");
    (focusItem ? menu.popup["firstElementChild"] : menu.button).call<void>("focus");
}

void MenuBar::close(bool restoreFocus)
{
    for (Menu &menu : m_menus) {
        menu.popup.set("hidden", true);
        SetAttribute(menu.button, "aria-expanded", "false");
    }
    if (restoreFocus && !m_focusBefore.isNull() && m_focusBefore["isConnected"].as<bool>())
        m_focusBefore.call<void>("focus");
}

void MenuBar::windowFocusIn(val target)
{
    if (!m_element.call<bool>("contains", target))
        m_focusBefore = target;
}

void MenuBar::onKey(val event)
{
    const std::string key = event["key"].as<std::string>();
    val active = ActiveElement();
    std::size_t current = m_menus.size();
    bool inPopup = false;
    for (std::size_t i = 0; i < m_menus.size(); ++i) {
        if (active.strictlyEquals(m_menus[i].button))
            current = i;
        if (m_menus[i].popup.call<bool>("contains", active)) {
            current = i;
            inPopup = true;
        }
    }
    if (current == m_menus.size())
        return;
    const std::size_t count = m_menus.size();
    if (key == "ArrowLeft" || key == "ArrowRight") {
        const std::size_t next = (current + (key == "ArrowRight" ? 1 : count - 1)) % count;
        if (inPopup)
            open(next, true);
        else
            m_menus[next].button.call<void>("focus");
    } else if (key == "ArrowDown" || ((key == "Enter" || key == " ") && !inPopup)) {
        open(current, true);
    } else if (key == "Escape") {
        if (inPopup) {
            close(false);
            m_menus[current].button.call<void>("focus");
        } else {
            close(true);
        }
    } else if (key == "Enter" && inPopup) {
        event.call<void>("preventDefault");
        ClickLater(active);
        return;
    } else if (key.size() == 1) {
        // An access key: "x" in the File menu chooses E&xit.
        val underlined = m_menus[current].popup.call<val>("querySelectorAll", std::string("u"));
        for (int i = 0; i < underlined["length"].as<int>(); ++i) {
            if (underlined[i]["textContent"].call<std::string>("toLowerCase") == key) {
                event.call<void>("preventDefault");
                ClickLater(underlined[i].call<val>("closest", std::string("button")));
                return;
            }
        }
        return;
    } else {
        return;
    }
    event.call<void>("preventDefault");
    event.call<void>("stopPropagation");
}

bool MenuBar::windowKeyDown(val event)
{
    const std::string key = event["key"].as<std::string>();
    m_altAlone = key == "Alt";
    const bool ctrl = event["ctrlKey"].as<bool>();
    const bool alt = event["altKey"].as<bool>();
    for (const Menu &menu : m_menus) {
        const bool match = !alt && ctrl == menu.shortcut.control
                           && (key == EventKey(menu.shortcut)
                               || (key.size() == 1 && menu.shortcut.letter != 0 && Lower(key[0]) == Lower(menu.shortcut.letter)));
        if (match) {
            event.call<void>("preventDefault");
            close(false);
            menu.chosen();
            return true;
        }
    }
    if (key == "F10" && !m_menus.empty()) {
        event.call<void>("preventDefault");
        m_menus.front().button.call<void>("focus");
        return true;
    }
    if (alt && !ctrl && key.size() == 1) {
        for (std::size_t i = 0; i < m_menus.size(); ++i) {
            if (m_menus[i].accessKey != 0 && m_menus[i].accessKey == Lower(key[0])) {
                event.call<void>("preventDefault");
                open(i, true);
                return true;
            }
        }
    }
    return false;
}

void MenuBar::windowKeyUp(val event)
{
    // Alt pressed and released alone enters the menu bar, as F10 does.
    if (event["key"].as<std::string>() == "Alt" && m_altAlone && !m_menus.empty()) {
        event.call<void>("preventDefault");
        m_menus.front().button.call<void>("focus");
    }
    m_altAlone = false;
}

} // namespace orvanta::platform
