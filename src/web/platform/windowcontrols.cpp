#include "windowcontrols.h"

#include "arrangement.h"
#include "defaultbutton.h"
#include "tabstrip.h"
#include "taborder.h"

namespace orvanta::platform {
namespace {

using forms::ControlKind;

const char *TagOf(ControlKind kind)
{
    switch (kind) {
    case ControlKind::TextBox:
        return "input";
    case ControlKind::CommandButton:
        return "button";
    case ControlKind::Picture:
        return "img";
    case ControlKind::Label:
        break;
    }
    return "div";
}

// An element as a node of the page's tree, for the Tab key's order.
struct Node
{
    val element = val::null();

    explicit operator bool() const { return !element.isNull() && !element.isUndefined(); }
    bool operator==(const Node &other) const { return element.strictlyEquals(other.element); }
};

} // namespace

WindowControls::WindowControls(const forms::WindowDesign &design)
    : m_defaultButton(design.defaultButton)
{
}

WindowControls::~WindowControls() = default;

Control *WindowControls::create(const forms::ControlDesign &design, forms::Container *parent)
{
    val element = Create(TagOf(design.kind), parent->element(),
                         design.align == forms::TextAlign::Centre ? "control centre" : "control");
    element["dataset"].set("name", design.name);
    Place(element, design.rect);
    ApplyFont(element, design.font);
    switch (design.kind) {
    case ControlKind::TextBox:
        element.set("type", std::string("text"));
        element.set("autocomplete", std::string("off"));
        element.set("spellcheck", false);
        break;
    case ControlKind::Picture:
        // At its natural size from the top-left corner, cut at the edge.
        element["classList"].call<void>("add", std::string("picture"));
        element.set("src", std::string(design.picture.file));
        element.set("alt", std::string());
        break;
    case ControlKind::Label:
        element.set("textContent", design.caption);
        if (design.caption.empty()) {
            // A result: read out when it changes, its tooltip (title) as the
            // description.
            SetAttribute(element, "role", "status");
            SetAttribute(element, "aria-live", "polite");
        }
        break;
    case ControlKind::CommandButton:
        element.set("textContent", design.caption);
        if (design.name == m_defaultButton)
            SetDefaultButton(element);
        break;
    }
    if (!design.accessibleName.empty())
        SetAttribute(element, "aria-label", design.accessibleName);
    if (!design.accessibleDescription.empty())
        SetAttribute(element, "aria-description", design.accessibleDescription);
    Made &made = m_controls[design.name];
    made = {std::make_unique<Control>(element, design.name), design.kind, design.font};
    place(design.name);
    return made.control.get();
}

forms::TextBox *WindowControls::createTextBox(const forms::ControlDesign &design, forms::Container *parent)
{
    return create(design, parent);
}

forms::CommandButton *WindowControls::createCommandButton(const forms::ControlDesign &design, forms::Container *parent)
{
    return create(design, parent);
}

forms::Label *WindowControls::createLabel(const forms::ControlDesign &design, forms::Container *parent)
{
    return create(design, parent);
}

Control *WindowControls::createPicture(const forms::ControlDesign &design, forms::Container *parent)
{
    return create(design, parent);
}

forms::TabStrip *WindowControls::createTabStrip(const forms::StripDesign &design, forms::Container *parent)
{
    auto &made = m_strips[std::string(design.name)];
    made = std::make_unique<TabStrip>(parent, design);
    place(std::string(design.name));
    return made.get();
}

val WindowControls::focusTarget(std::string_view name) const
{
    if (const auto strip = m_strips.find(name); strip != m_strips.end())
        return strip->second->currentTab();
    if (const auto made = m_controls.find(name); made != m_controls.end())
        return made->second.control->element();
    return val::null();
}

void WindowControls::onClick(forms::CommandButton *button, std::function<void()> handler)
{
    button->listen("click", [handler = std::move(handler)](val) { handler(); });
}

void WindowControls::onGotFocus(forms::TextBox *box, std::function<void()> handler)
{
    box->listen("focus", [handler = std::move(handler)](val) { handler(); });
}

void WindowControls::setTabOrder(const std::vector<std::string> &order)
{
    // A strip is visited on its tabs, which come first in the strip.
    std::vector<Node> nodes;
    val window = val::null();
    for (const std::string &name : order) {
        val element = val::null();
        if (const auto strip = m_strips.find(name); strip != m_strips.end())
            element = strip->second->element();
        else if (const auto made = m_controls.find(name); made != m_controls.end())
            element = made->second.control->element();
        if (element.isNull())
            continue;
        nodes.push_back({element});
        window = element.call<val>("closest", std::string(".client"));
    }
    forms::StackInTabOrder(
        nodes, Node{window}, [](const Node &node) { return Node{node.element["parentElement"]}; },
        [](const Node &node) { node.element["parentElement"].call<void>("appendChild", node.element); });
}

void WindowControls::arrange(const forms::Arrangement &arrangement)
{
    m_arrangement = std::make_unique<forms::Arrangement>(arrangement);
    for (const forms::Place &place : arrangement.places)
        this->place(place.name);
}

void WindowControls::place(const std::string &name)
{
    const forms::TwipsRect *rect = m_arrangement ? m_arrangement->find(name) : nullptr;
    if (!rect)
        return;
    if (const auto strip = m_strips.find(name); strip != m_strips.end()) {
        strip->second->place(*rect, m_arrangement->tabHeight);
        return;
    }
    const auto made = m_controls.find(name);
    if (made == m_controls.end())
        return;
    val element = made->second.control->element();
    Place(element, *rect);
    if (!made->second.font.isDefault())
        ApplyFont(element, m_arrangement->font(made->second.font, made->second.kind));
}

} // namespace orvanta::platform
