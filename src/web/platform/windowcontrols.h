#pragma once

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "design.h"
#include "dom.h"
#include "forms.h"

namespace orvanta::platform {

// The controls of one window, made from the shared design records as page
// elements: a text box is an input, a command button a button, a label a
// div (a result label a polite live region), a picture an img. Twips become
// CSS pixels; name, caption, font, alignment, picture, accessible name and
// description come from the record.
class WindowControls final
{
public:
    WindowControls() = default;
    WindowControls(const WindowControls &) = delete;
    WindowControls &operator=(const WindowControls &) = delete;

    // Creates the control on parent (the window's client area or a page of a
    // strip), placed in parent's coordinates and named by its design name.
    Control *create(const forms::ControlDesign &design, forms::Container *parent);
    forms::TextBox *createTextBox(const forms::ControlDesign &design, forms::Container *parent);
    forms::CommandButton *createCommandButton(const forms::ControlDesign &design, forms::Container *parent);
    forms::Label *createLabel(const forms::ControlDesign &design, forms::Container *parent);
    // The control of that design name, or nullptr.
    Control *find(std::string_view name) const;

    // What a button's click and a text box's getting the focus run.
    void onClick(forms::CommandButton *button, std::function<void()> handler);
    void onGotFocus(forms::TextBox *box, std::function<void()> handler);

private:
    std::vector<std::unique_ptr<Control>> m_controls;
};

} // namespace orvanta::platform
