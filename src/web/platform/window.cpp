#include "window.h"

#include <cctype>
#include <memory>
#include <string>

#include "centring.h"

namespace orvanta::platform {
namespace {

void Attr(val element, const char *name, const std::string &value)
{
    element.call<void>("setAttribute", std::string(name), value);
}

// "E&xit" as "E<u>x</u>it", and its access key.
char SetAccessText(val element, std::string_view caption)
{
    const std::size_t amp = caption.find('&');
    if (amp == std::string_view::npos || amp + 1 >= caption.size()) {
        element.set("textContent", std::string(caption));
        return 0;
    }
    val document = val::global("document");
    element.call<void>("append", std::string(caption.substr(0, amp)));
    val key = Create("u", element);
    key.set("textContent", std::string(caption.substr(amp + 1, 1)));
    element.call<void>("append", std::string(caption.substr(amp + 2)));
    return static_cast<char>(std::tolower(static_cast<unsigned char>(caption[amp + 1])));
}

std::string Plain(std::string_view caption)
{
    std::string text;
    for (char c : caption)
        if (c != '&')
            text += c;
    return text;
}

int &frontmost()
{
    static int z = 10;
    return z;
}

// Tab and Shift+Tab go round the window's controls, as in a desktop window.
void WrapTab(val root, val event)
{
    val focusable = root.call<val>("querySelectorAll",
                                   std::string(".client input, .client button:not([tabindex='-1'])"));
    std::vector<val> visible;
    const int count = focusable["length"].as<int>();
    for (int i = 0; i < count; ++i) {
        val element = focusable[i];
        if (!element["offsetParent"].isNull())
            visible.push_back(element);
    }
    if (visible.empty())
        return;
    val target = event["target"];
    const bool back = event["shiftKey"].as<bool>();
    if (!back && target.strictlyEquals(visible.back())) {
        event.call<void>("preventDefault");
        visible.front().call<void>("focus");
    } else if (back && target.strictlyEquals(visible.front())) {
        event.call<void>("preventDefault");
        visible.back().call<void>("focus");
    }
}

} // namespace

Window::Window(const forms::WindowDesign &design, std::string_view role)
    : m_cancelName(design.cancelButton)
{
    val desktop = val::global("document").call<val>("getElementById", std::string("desktop"));
    m_root = Create("div", desktop, "window");
    m_root["dataset"].set("window", std::string(design.name));
    m_root.set("hidden", true);
    if (!role.empty()) {
        Attr(m_root, "role", std::string(role));
        Attr(m_root, "aria-labelledby", std::string(design.name) + "-caption");
    }

    val caption = Create("div", m_root, "caption");
    val icon = Create("img", caption, "icon");
    icon.set("src", std::string(design.icon.file));
    icon.set("alt", std::string());
    val text = Create("span", caption, "title");
    text.set("id", std::string(design.name) + "-caption");
    text.set("textContent", std::string(design.caption));
    val close = Create("button", caption, "close");
    close.set("tabIndex", -1);
    Attr(close, "aria-label", "Close");
    close["dataset"].set("name", std::string("close"));

    m_client = Create("div", m_root, "client");
    SetSize(m_client, design.clientWidth, design.clientHeight);
    ApplyFont(m_client, design.font);
    if (!design.background.isNone())
        m_client["style"].set("backgroundImage", "url(\"" + std::string(design.background.file) + "\")");

    m_listeners.add(m_root, "keydown", [this](val event) { onKeyDown(event); });
    m_listeners.add(m_root, "keyup", [this](val event) {
        // Alt pressed and released alone enters the menu bar, as F10 does.
        if (event["key"].as<std::string>() == "Alt" && m_altAlone && !m_barItems.empty()) {
            event.call<void>("preventDefault");
            m_focusBeforeMenu = val::global("document")["activeElement"];
            m_barItems.front().call<void>("focus");
        }
        m_altAlone = false;
    });
    m_listeners.add(m_root, "pointerdown", [this](val) { BringToFront(m_root); });
    // Where the focus goes back to when this window becomes active again.
    m_listeners.add(m_root, "focusin", [this](val event) { m_root.set("orvantaLastFocus", event["target"]); });
}

Window::~Window()
{
    const bool hadFocus = m_root.call<bool>("contains", val::global("document")["activeElement"]);
    m_root.call<void>("remove");
    if (!hadFocus)
        return;
    // As on a desktop, the window in front of the rest becomes active, its
    // focus where it was.
    val windows = val::global("document").call<val>("querySelectorAll", std::string("#desktop > .window:not([hidden])"));
    val front = val::null();
    int frontZ = -1;
    for (int i = 0; i < windows["length"].as<int>(); ++i) {
        const std::string z = windows[i]["style"]["zIndex"].as<std::string>();
        const int value = z.empty() ? 0 : std::stoi(z);
        if (value > frontZ) {
            frontZ = value;
            front = windows[i];
        }
    }
    if (front.isNull())
        return;
    val last = front["orvantaLastFocus"];
    if (!last.isUndefined() && last["isConnected"].as<bool>())
        last.call<void>("focus");
}

void Window::setMenus(std::vector<Menu> menus)
{
    m_menus = std::move(menus);
    m_menuBar = Create("div", val::null(), "menubar");
    m_root.call<void>("insertBefore", m_menuBar, m_client);
    Attr(m_menuBar, "role", "menubar");
    for (std::size_t i = 0; i < m_menus.size(); ++i) {
        const Menu &menu = m_menus[i];
        val item = Create("button", m_menuBar, "menu");
        SetAccessText(item, menu.caption);
        item.set("tabIndex", -1);
        Attr(item, "role", "menuitem");
        Attr(item, "aria-haspopup", "menu");
        Attr(item, "aria-expanded", "false");
        item["dataset"].set("name", menu.name);
        m_barItems.push_back(item);

        val popup = Create("div", m_menuBar, "popup");
        Attr(popup, "role", "menu");
        Attr(popup, "aria-label", Plain(menu.caption));
        popup.set("hidden", true);
        for (const MenuItem &entry : menu.items) {
            val choice = Create("button", popup, "item");
            choice.set("tabIndex", -1);
            Attr(choice, "role", "menuitem");
            if (!entry.ariaShortcut.empty())
                Attr(choice, "aria-keyshortcuts", entry.ariaShortcut);
            choice["dataset"].set("name", entry.name);
            val label = Create("span", choice, "label");
            SetAccessText(label, entry.caption);
            val shortcut = Create("span", choice, "shortcut");
            shortcut.set("textContent", entry.shortcutText);
            Attr(shortcut, "aria-hidden", "true");
            m_listeners.add(choice, "click", [this, chosen = entry.chosen](val) {
                closeMenus(true);
                chosen();
            });
            m_shortcuts.push_back(entry.chosen);
        }
        m_popups.push_back(popup);
        const int index = static_cast<int>(i);
        m_listeners.add(item, "click", [this, index](val) {
            const bool open = !m_popups[std::size_t(index)]["hidden"].as<bool>();
            if (open) {
                closeMenus(true);
            } else {
                if (m_focusBeforeMenu.isNull())
                    m_focusBeforeMenu = val::global("document")["activeElement"];
                openMenu(index, false);
            }
        });
        m_listeners.add(item, "keydown", [this](val event) { onMenuBarKey(event); });
        m_listeners.add(popup, "keydown", [this](val event) { onMenuBarKey(event); });
    }
}

void Window::openMenu(int index, bool focusItem)
{
    closeMenus(false);
    val popup = m_popups[std::size_t(index)];
    popup.set("hidden", false);
    popup["style"].set("left", m_barItems[std::size_t(index)]["offsetLeft"].as<int>());
    popup["style"].set("left", std::to_string(m_barItems[std::size_t(index)]["offsetLeft"].as<int>()) + "px");
    Attr(m_barItems[std::size_t(index)], "aria-expanded", "true");
    if (focusItem)
        popup["firstElementChild"].call<void>("focus");
    else
        m_barItems[std::size_t(index)].call<void>("focus");
}

void Window::closeMenus(bool restoreFocus)
{
    for (std::size_t i = 0; i < m_popups.size(); ++i) {
        m_popups[i].set("hidden", true);
        Attr(m_barItems[i], "aria-expanded", "false");
    }
    if (restoreFocus) {
        val before = m_focusBeforeMenu;
        m_focusBeforeMenu = val::null();
        if (!before.isNull() && !before.isUndefined() && before["isConnected"].as<bool>())
            before.call<void>("focus");
    }
}

void Window::onMenuBarKey(val event)
{
    const std::string key = event["key"].as<std::string>();
    val active = val::global("document")["activeElement"];
    int bar = -1;
    bool inPopup = false;
    for (std::size_t i = 0; i < m_barItems.size(); ++i) {
        if (active.strictlyEquals(m_barItems[i]))
            bar = static_cast<int>(i);
        if (m_popups[i].call<bool>("contains", active)) {
            bar = static_cast<int>(i);
            inPopup = true;
        }
    }
    if (bar < 0)
        return;
    const int count = static_cast<int>(m_barItems.size());
    if (key == "ArrowLeft" || key == "ArrowRight") {
        const int next = (bar + (key == "ArrowRight" ? 1 : count - 1)) % count;
        if (inPopup)
            openMenu(next, true);
        else
            m_barItems[std::size_t(next)].call<void>("focus");
    } else if (key == "ArrowDown" || ((key == "Enter" || key == " ") && !inPopup)) {
        openMenu(bar, true);
    } else if (key == "Escape") {
        if (inPopup) {
            closeMenus(false);
            m_barItems[std::size_t(bar)].call<void>("focus");
        } else {
            closeMenus(true);
        }
    } else if (key == "Enter" && inPopup) {
        event.call<void>("preventDefault");
        ClickLater(active);
        return;
    } else if (key.size() == 1) {
        // An access key: "x" in the File menu chooses E&xit.
        val underlined = m_popups[std::size_t(bar)].call<val>("querySelectorAll", std::string("u"));
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

void Window::onKeyDown(val event)
{
    const std::string key = event["key"].as<std::string>();
    m_altAlone = key == "Alt";
    const bool ctrl = event["ctrlKey"].as<bool>();
    const bool alt = event["altKey"].as<bool>();
    // Shortcuts of the menu items, from anywhere in the window.
    for (const Menu &menu : m_menus) {
        for (const MenuItem &item : menu.items) {
            const bool match = !alt && ctrl == item.ctrl && !item.key.empty()
                               && (key == item.key || (item.key.size() == 1 && key.size() == 1
                                                        && std::tolower(static_cast<unsigned char>(key[0])) == item.key[0]));
            if (match) {
                event.call<void>("preventDefault");
                closeMenus(false);
                item.chosen();
                return;
            }
        }
    }
    if (key == "F10" && !m_barItems.empty()) {
        event.call<void>("preventDefault");
        m_focusBeforeMenu = val::global("document")["activeElement"];
        m_barItems.front().call<void>("focus");
        return;
    }
    if (alt && !ctrl && key.size() == 1) {
        for (std::size_t i = 0; i < m_menus.size(); ++i) {
            const std::size_t amp = m_menus[i].caption.find('&');
            if (amp != std::string::npos && std::tolower(static_cast<unsigned char>(m_menus[i].caption[amp + 1])) == std::tolower(static_cast<unsigned char>(key[0]))) {
                event.call<void>("preventDefault");
                m_focusBeforeMenu = val::global("document")["activeElement"];
                openMenu(static_cast<int>(i), true);
                return;
            }
        }
    }
    val target = event["target"];
    const std::string tag = target["tagName"].as<std::string>();
    if (key == "Tab") {
        WrapTab(m_root, event);
    } else if (key == "Enter" && tag == "INPUT") {
        // The default button: Enter in a text box clicks it.
        val button = m_root.call<val>("querySelector", std::string(".client button.default"));
        event.call<void>("preventDefault");
        if (!button.isNull())
            ClickLater(button);
    } else if (key == "Enter" && tag == "BUTTON" && !m_cancelName.empty()) {
        // In a dialog Enter presses the focused button, as the desktop does.
        event.call<void>("preventDefault");
        ClickLater(target);
    } else if (key == "Escape" && !m_cancelName.empty()) {
        event.call<void>("preventDefault");
        ClickLater(m_root.call<val>("querySelector", ".client [data-name=\"" + m_cancelName + "\"]"));
    }
}

void Window::onClose(std::function<void()> closed)
{
    val close = m_root.call<val>("querySelector", std::string(".caption .close"));
    m_listeners.add(close, "click", [closed = std::move(closed)](val) { closed(); });
}

void Window::makeMovable()
{
    val caption = m_root.call<val>("querySelector", std::string(".caption"));
    struct Drag
    {
        bool active = false;
        double x = 0, y = 0;
    };
    auto drag = std::make_shared<Drag>();
    m_listeners.add(caption, "pointerdown", [this, drag, caption](val event) {
        if (!event["target"]["classList"].call<bool>("contains", std::string("close"))) {
            drag->active = true;
            drag->x = event["clientX"].as<double>() - m_root["offsetLeft"].as<double>();
            drag->y = event["clientY"].as<double>() - m_root["offsetTop"].as<double>();
            caption.call<void>("setPointerCapture", event["pointerId"]);
        }
    });
    m_listeners.add(caption, "pointermove", [this, drag](val event) {
        if (!drag->active)
            return;
        m_root["style"].set("left", std::to_string(event["clientX"].as<double>() - drag->x) + "px");
        m_root["style"].set("top", std::to_string(std::max(0.0, event["clientY"].as<double>() - drag->y)) + "px");
    });
    m_listeners.add(caption, "pointerup", [drag](val) { drag->active = false; });
}

void Window::centre()
{
    val desktop = m_root["parentElement"];
    const bool hidden = m_root["hidden"].as<bool>();
    m_root.set("hidden", false);
    const double width = m_root["offsetWidth"].as<double>();
    const double height = m_root["offsetHeight"].as<double>();
    // The work area is the visible part of the desktop, in its own
    // (possibly zoomed) pixels.
    // Number(): a browser without CSS zoom has no such property.
    double zoom = val::global("Number")(desktop["style"]["zoom"]).as<double>();
    if (!(zoom > 0))
        zoom = 1.0;
    const double areaWidth = desktop["clientWidth"].as<double>();
    const double areaHeight = val::global("innerHeight").as<double>() / zoom;
    m_root.set("hidden", hidden);
    const forms::ScreenPoint corner = forms::CentredTopLeft(
        {static_cast<int>(width), static_cast<int>(height)}, {0, 0, static_cast<int>(areaWidth), static_cast<int>(areaHeight)});
    m_root["style"].set("left", std::to_string(corner.x) + "px");
    m_root["style"].set("top", std::to_string(corner.y) + "px");
}

void Window::show()
{
    m_root.set("hidden", false);
    BringToFront(m_root);
}

void SetDefaultButton(val button)
{
    val root = button.call<val>("closest", std::string(".window"));
    val others = root.call<val>("querySelectorAll", std::string("button.default"));
    for (int i = 0; i < others["length"].as<int>(); ++i)
        others[i]["classList"].call<void>("remove", std::string("default"));
    button["classList"].call<void>("add", std::string("default"));
}

void BringToFront(val element)
{
    val root = element.call<val>("closest", std::string(".window"));
    if (!root.isNull())
        root["style"].set("zIndex", ++frontmost());
}

} // namespace orvanta::platform
