#include "window.h"

#include <algorithm>
#include <string>
#include <vector>

#include "arrangement.h"
#include "centring.h"
#include "defaultbutton.h"
#include "desktop.h"
#include "menubar.h"

namespace orvanta::platform {
namespace {

bool IsDialog(const forms::WindowDesign &design)
{
    return design.role == forms::WindowRole::Dialog;
}

// Tab and Shift+Tab go round the window's controls, as in a desktop window.
void WrapTab(val root, val event)
{
    val focusable =
        root.call<val>("querySelectorAll", std::string(".client input, .client button:not([tabindex='-1'])"));
    std::vector<val> shown;
    const int count = focusable["length"].as<int>();
    for (int i = 0; i < count; ++i) {
        val element = focusable[i];
        if (!element["offsetParent"].isNull())
            shown.push_back(element);
    }
    if (shown.empty())
        return;
    val target = event["target"];
    const bool back = event["shiftKey"].as<bool>();
    if (!back && target.strictlyEquals(shown.back())) {
        event.call<void>("preventDefault");
        shown.front().call<void>("focus");
    } else if (back && target.strictlyEquals(shown.front())) {
        event.call<void>("preventDefault");
        shown.back().call<void>("focus");
    }
}

} // namespace

Window::Window(const forms::WindowDesign &design)
    : m_design(design)
    , m_root(Create("div", DesktopElement(), IsDialog(design) ? "window dialog" : "window main"))
    , m_client(m_root, design)
    , m_controls(design)
    , m_tracker(std::make_shared<Window *>(this))
{
    const std::string name(design.name);
    m_root["dataset"].set("window", name);
    m_root.set("hidden", true);
    if (IsDialog(design)) {
        SetAttribute(m_root, "role", "dialog");
        SetAttribute(m_root, "aria-labelledby", name + "-caption");
    }

    val caption = Create("div", val::null(), "caption");
    m_root.call<void>("insertBefore", caption, m_client.element());
    val icon = Create("img", caption, "icon");
    icon.set("src", std::string(design.icon.file));
    icon.set("alt", std::string());
    val title = Create("span", caption, "title");
    title.set("id", name + "-caption");
    title.set("textContent", std::string(design.caption));
    val close = Create("button", caption, "close");
    close.set("tabIndex", -1);
    SetAttribute(close, "aria-label", "Close");
    close["dataset"].set("name", std::string("close"));
    m_listeners.add(close, "click", [this](val) {
        if (m_closed)
            m_closed();
        else if (IsDialog(m_design))
            delete this;
    });

    m_listeners.add(m_root, "keydown", [this](val event) { onKeyDown(event); });
    m_listeners.add(m_root, "keyup", [this](val event) {
        if (m_menuBar)
            m_menuBar->windowKeyUp(event);
    });
    m_listeners.add(m_root, "pointerdown", [this](val) { BringToFront(m_root); });
    // Where the focus goes back to when this window becomes active again.
    m_listeners.add(m_root, "focusin", [this](val event) {
        m_root.set("orvantaLastFocus", event["target"]);
        if (m_menuBar)
            m_menuBar->windowFocusIn(event["target"]);
    });
    // A phone turned, a browser window made narrower or wider.
    m_listeners.add(val::global("window"), "resize", [this](val) { place(arrange()); });
    if (IsDialog(design))
        makeMovable();
}

Window::~Window()
{
    const bool hadFocus = m_root.call<bool>("contains", val::global("document")["activeElement"]);
    m_root.call<void>("remove");
    if (hadFocus)
        ActivateFrontWindow();
}

void Window::addMenu(const forms::MenuDesign &design, std::function<void()> chosen)
{
    if (!m_menuBar)
        m_menuBar = std::make_unique<MenuBar>(m_root, m_client.element());
    m_menuBar->add(design, std::move(chosen));
}

void Window::centre()
{
    arrange();
    place(true);
}

bool Window::arrange()
{
    if (!m_design.arrange)
        return false;
    // The frame's width, measured while shown: what the page leaves the
    // client area.
    const bool hidden = m_root["hidden"].as<bool>();
    m_root.set("hidden", false);
    const double frame = m_root["offsetWidth"].as<double>() - m_client.element()["offsetWidth"].as<double>();
    m_root.set("hidden", hidden);
    const int width = static_cast<int>(CurrentViewport().width - frame);
    const forms::Arrangement arrangement = m_design.arrange(forms::PixelsToTwips(std::max(width, 0)));
    m_controls.arrange(arrangement);
    m_client.arrange(arrangement);
    m_root["classList"].call<void>("toggle", std::string("narrow"), arrangement.narrow);
    m_root["style"].set("fontSize", arrangement.textPoints > 0 ? std::to_string(arrangement.textPoints) + "pt"
                                                               : std::string());
    const bool changed = arrangement.narrow != m_narrow;
    m_narrow = arrangement.narrow;
    return changed;
}

void Window::place(bool centred)
{
    // The main window is not moved by hand: the stylesheet centres it on
    // what the page shows, or sets it at the page's top left when narrowed
    // (.window.main), and keeps it there however the page's size changes.
    if (!IsDialog(m_design))
        return;
    val style = m_root["style"];
    const Viewport viewport = CurrentViewport();
    const bool hidden = m_root["hidden"].as<bool>();
    m_root.set("hidden", false);
    const int width = m_root["offsetWidth"].as<int>();
    const int height = m_root["offsetHeight"].as<int>();
    const int left = m_root["offsetLeft"].as<int>();
    const int top = m_root["offsetTop"].as<int>();
    m_root.set("hidden", hidden);
    const forms::ScreenRect area{0, 0, static_cast<int>(viewport.width), static_cast<int>(viewport.height)};
    // Centred, or kept where the user put it as far as it stays on the page.
    forms::ScreenPoint corner = forms::CentredTopLeft({width, height}, area);
    if (!centred) {
        corner = {std::clamp(left, 0, std::max(0, area.width - width)), std::clamp(top, 0, std::max(0, area.height - height))};
    }
    style.set("left", std::to_string(corner.x) + "px");
    style.set("top", std::to_string(corner.y) + "px");
}

void Window::bringToFront(std::string_view focus)
{
    m_root.set("hidden", false);
    BringToFront(m_root);
    val target = m_controls.focusTarget(focus);
    if (!target.isNull())
        target.call<void>("focus");
}

void Window::onKeyDown(val event)
{
    if (m_menuBar && m_menuBar->windowKeyDown(event))
        return;
    const std::string key = event["key"].as<std::string>();
    val target = event["target"];
    const std::string tag = target["tagName"].as<std::string>();
    const bool cancellable = !m_design.cancelButton.empty();
    if (key == "Tab") {
        WrapTab(m_root, event);
    } else if (key == "Enter" && tag == "INPUT") {
        // The default button: Enter in a text box clicks it.
        event.call<void>("preventDefault");
        val button = DefaultButton(m_root);
        if (!button.isNull())
            ClickLater(button);
    } else if (key == "Enter" && tag == "BUTTON" && cancellable) {
        // In a dialog Enter presses the focused button, as the desktop does.
        event.call<void>("preventDefault");
        ClickLater(target);
    } else if (key == "Escape" && cancellable) {
        event.call<void>("preventDefault");
        ClickLater(m_controls.focusTarget(m_design.cancelButton));
    }
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
        if (event["target"]["classList"].call<bool>("contains", std::string("close")))
            return;
        drag->active = true;
        drag->x = event["clientX"].as<double>() - m_root["offsetLeft"].as<double>();
        drag->y = event["clientY"].as<double>() - m_root["offsetTop"].as<double>();
        caption.call<void>("setPointerCapture", event["pointerId"]);
    });
    m_listeners.add(caption, "pointermove", [this, drag](val event) {
        if (!drag->active)
            return;
        m_root["style"].set("left", std::to_string(event["clientX"].as<double>() - drag->x) + "px");
        m_root["style"].set("top", std::to_string(std::max(0.0, event["clientY"].as<double>() - drag->y)) + "px");
    });
    m_listeners.add(caption, "pointerup", [drag](val) { drag->active = false; });
}

} // namespace orvanta::platform
