#include "windowcontrols.h"

#include "editbox.h"
#include "pushbutton.h"
#include "staticlabel.h"
#include "staticpicture.h"
#include "tabstrip.h"
#include "taborder.h"
#include "twips.h"

namespace orvanta::platform {

WindowControls::WindowControls(HWND window, const forms::WindowDesign &design)
    : m_window(window)
    , m_defaultName(design.defaultButton)
    , m_fonts(design.font, WindowDpi(window))
    , m_defaultButton(window, [this](int id) {
        const NativeControl *control = byId(id);
        return control ? control->hwnd() : nullptr;
    })
    , m_toolTips(window)
{
}

WindowControls::~WindowControls() = default;

template<class Control>
Control *WindowControls::add(std::unique_ptr<Control> control, const forms::ControlDesign &design)
{
    if (!design.accessibleName.empty())
        m_annotations.setName(control->hwnd(), design.accessibleName);
    if (!design.accessibleDescription.empty())
        m_annotations.setDescription(control->hwnd(), design.accessibleDescription);
    Control *made = control.get();
    m_byName.emplace(made->name(), made);
    m_byId.emplace(made->id(), made);
    m_controls.push_back(std::move(control));
    return made;
}

forms::TextBox *WindowControls::createTextBox(const forms::ControlDesign &design, forms::Container *parent)
{
    return add(std::make_unique<EditBox>(design, parent, newId(), m_fonts), design);
}

forms::CommandButton *WindowControls::createCommandButton(const forms::ControlDesign &design, forms::Container *parent)
{
    PushButton *button = add(std::make_unique<PushButton>(design, parent, newId(), m_fonts, m_defaultButton), design);
    // Enter presses the designed default button wherever the focus is.
    if (design.name == m_defaultName)
        m_defaultButton.setDefaultId(button->id());
    return button;
}

forms::Label *WindowControls::createLabel(const forms::ControlDesign &design, forms::Container *parent)
{
    return add(std::make_unique<StaticLabel>(design, parent, newId(), m_fonts, m_toolTips, m_annotations), design);
}

StaticPicture *WindowControls::createPicture(const forms::ControlDesign &design, forms::Container *parent)
{
    return add(std::make_unique<StaticPicture>(design, parent, newId(), m_fonts), design);
}

forms::TabStrip *WindowControls::createTabStrip(const forms::StripDesign &design, forms::Container *parent)
{
    return add(std::make_unique<TabStrip>(design, parent, newId(), m_fonts), forms::ControlDesign{});
}

void WindowControls::onClick(forms::CommandButton *button, std::function<void()> handler)
{
    button->onClick(std::move(handler));
}

void WindowControls::onGotFocus(forms::TextBox *box, std::function<void()> handler)
{
    box->onGotFocus(std::move(handler));
}

void WindowControls::setTabOrder(const std::vector<std::string> &order)
{
    std::vector<HWND> controls;
    for (const std::string &name : order) {
        // Pages not shown yet have no controls.
        if (HWND control = find(name))
            controls.push_back(control);
    }
    forms::StackInTabOrder(
        controls, m_window, [](HWND control) { return GetParent(control); },
        [](HWND control) { SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE); });
}

HWND WindowControls::find(std::string_view name) const
{
    const auto found = m_byName.find(name);
    return found == m_byName.end() ? nullptr : found->second->hwnd();
}

std::string_view WindowControls::nameOf(HWND control) const
{
    const NativeControl *found = byId(GetDlgCtrlID(control));
    return found && found->hwnd() == control ? std::string_view(found->name()) : std::string_view();
}

NativeControl *WindowControls::byId(int id) const
{
    const auto found = m_byId.find(id);
    return found == m_byId.end() ? nullptr : found->second;
}

void WindowControls::command(int id, UINT code)
{
    if (NativeControl *control = byId(id))
        control->notified(code);
}

void WindowControls::notify(const NMHDR &header)
{
    NativeControl *control = byId(static_cast<int>(header.idFrom));
    if (control && control->hwnd() == header.hwndFrom)
        control->notified(header.code);
}

std::vector<UniqueFont> WindowControls::setDpi(int dpi)
{
    std::vector<UniqueFont> old = m_fonts.setDpi(dpi);
    for (const auto &control : m_controls)
        control->layout(m_fonts, dpi);
    return old;
}

void WindowControls::release()
{
    for (const auto &control : m_controls) {
        m_annotations.clear(control->hwnd());
        control->release();
    }
}

} // namespace orvanta::platform
