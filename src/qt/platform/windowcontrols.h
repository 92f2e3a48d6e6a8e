#pragma once

#include <functional>
#include <string_view>

#include "design.h"
#include "forms.h"

namespace orvanta::platform {

// The controls of one top-level window, made from the shared design records.
// A control's kind picks its widget (QLineEdit, QPushButton, QLabel), its
// twips become device-independent pixels; the rest comes from the record
// (name, caption, font, alignment, picture, accessible name and description).
class WindowControls final
{
public:
    explicit WindowControls(QWidget *window);

    // Creates the control on parent (the window's client area or a page of a
    // strip), placed in parent's coordinates and named by its design name.
    QWidget *create(const forms::ControlDesign &design, QWidget *parent);
    // The same, typed for the forms operations.
    forms::TextBox *createTextBox(const forms::ControlDesign &design, QWidget *parent);
    forms::CommandButton *createCommandButton(const forms::ControlDesign &design, QWidget *parent);
    forms::Label *createLabel(const forms::ControlDesign &design, QWidget *parent);
    // The control of that design name, or nullptr.
    QWidget *find(std::string_view name) const;

    // What a button's click and a text box's getting the focus run. A
    // focus handler runs however the box got the focus: mouse, Tab key or
    // the program.
    void onClick(forms::CommandButton *button, std::function<void()> handler);
    void onGotFocus(forms::TextBox *box, std::function<void()> handler);

private:
    QWidget *m_window;
};

} // namespace orvanta::platform
