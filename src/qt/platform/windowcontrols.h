#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "adapter.h"
#include "design.h"

class QLabel;

namespace orvanta::platform {

// The controls of one top-level window, made from the shared design records.
// A control's kind picks its widget (QLineEdit, QPushButton, QLabel), its
// twips become device-independent pixels; the rest comes from the record
// (name, caption, font, alignment, picture, accessible name and description).
// The window's designed default button takes Enter while it has the focus.
class WindowControls final
{
public:
    // Every control is made with its page: Qt makes widgets cheaply.
    static constexpr bool MakesPagesWhenShown = false;

    WindowControls(QWidget *window, const forms::WindowDesign &design);

    // Each made on parent (the window's client area or a page of a strip),
    // placed in parent's coordinates and named by its design name.
    forms::TextBox *createTextBox(const forms::ControlDesign &design, forms::Container *parent);
    forms::CommandButton *createCommandButton(const forms::ControlDesign &design, forms::Container *parent);
    forms::Label *createLabel(const forms::ControlDesign &design, forms::Container *parent);
    QLabel *createPicture(const forms::ControlDesign &design, forms::Container *parent);
    forms::TabStrip *createTabStrip(const forms::StripDesign &design, forms::Container *parent);

    // The control of that design name that takes the focus (a strip's tab
    // bar), or nullptr.
    QWidget *find(std::string_view name) const;

    // What a button's click and a text box's getting the focus run. A
    // focus handler runs however the box got the focus: mouse, Tab key or
    // the program.
    void onClick(forms::CommandButton *button, std::function<void()> handler);
    void onGotFocus(forms::TextBox *box, std::function<void()> handler);

    void setTabOrder(const std::vector<std::string> &order);

private:
    // Gives the widget its design's name, place, font and accessible texts.
    void apply(const forms::ControlDesign &design, QWidget *widget);

    QWidget *m_window;
    std::string_view m_defaultButton;
};

static_assert(forms::WindowControlsLike<WindowControls>);

} // namespace orvanta::platform
