#include "windowcontrols.h"

#include <string>

namespace orvanta::platform {

using forms::ControlKind;

Control *WindowControls::create(const forms::ControlDesign &design, forms::Container *parent)
{
    const char *tag = design.kind == ControlKind::TextBox         ? "input"
                      : design.kind == ControlKind::CommandButton ? "button"
                      : design.kind == ControlKind::Picture       ? "img"
                                                                  : "div";
    val element = Create(tag, parent->element(), design.align == forms::TextAlign::Centre ? "control centre" : "control");
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
            element.call<void>("setAttribute", std::string("role"), std::string("status"));
            element.call<void>("setAttribute", std::string("aria-live"), std::string("polite"));
        }
        break;
    case ControlKind::CommandButton:
        element.set("textContent", design.caption);
        break;
    }
    if (!design.accessibleName.empty())
        element.call<void>("setAttribute", std::string("aria-label"), design.accessibleName);
    if (!design.accessibleDescription.empty())
        element.call<void>("setAttribute", std::string("aria-description"), design.accessibleDescription);
    m_controls.push_back(std::make_unique<Control>(element, design.name));
    return m_controls.back().get();
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

Control *WindowControls::find(std::string_view name) const
{
    for (const auto &control : m_controls) {
        if (control->name() == name)
            return control.get();
    }
    return nullptr;
}

void WindowControls::onClick(forms::CommandButton *button, std::function<void()> handler)
{
    button->listen("click", [handler = std::move(handler)](val) { handler(); });
}

void WindowControls::onGotFocus(forms::TextBox *box, std::function<void()> handler)
{
    box->listen("focus", [handler = std::move(handler)](val) { handler(); });
}

} // namespace orvanta::platform
