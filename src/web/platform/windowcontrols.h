#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "adapter.h"
#include "design.h"
#include "dom.h"

namespace orvanta::forms {
struct Arrangement;
} // namespace orvanta::forms

namespace orvanta::platform {

class TabStrip;

// The controls of one window, made from the shared design records as page
// elements: a text box is an input, a command button a button, a label a
// div (a result label a polite live region), a picture an img, a strip a
// TabStrip. Twips become CSS pixels; name, caption, font, alignment,
// picture, accessible name and description come from the record. The
// window's designed default button is drawn as default from the start.
class WindowControls final
{
public:
    // Three of the four pages are hidden at start: each is made when first
    // shown, so that the window the page starts with is made sooner.
    static constexpr bool MakesPagesWhenShown = true;

    explicit WindowControls(const forms::WindowDesign &design);
    WindowControls(const WindowControls &) = delete;
    WindowControls &operator=(const WindowControls &) = delete;
    ~WindowControls();

    // Each made on parent (the window's client area or a page of a strip),
    // placed in parent's coordinates and named by its design name.
    forms::TextBox *createTextBox(const forms::ControlDesign &design, forms::Container *parent);
    forms::CommandButton *createCommandButton(const forms::ControlDesign &design, forms::Container *parent);
    forms::Label *createLabel(const forms::ControlDesign &design, forms::Container *parent);
    Control *createPicture(const forms::ControlDesign &design, forms::Container *parent);
    forms::TabStrip *createTabStrip(const forms::StripDesign &design, forms::Container *parent);

    // The element that takes the focus for the control of that design name
    // (a strip: its current tab), or null.
    val focusTarget(std::string_view name) const;

    // What a button's click and a text box's getting the focus run.
    void onClick(forms::CommandButton *button, std::function<void()> handler);
    void onGotFocus(forms::TextBox *box, std::function<void()> handler);

    // The Tab key visits elements in the order they stand in the page.
    void setTabOrder(const std::vector<std::string> &order);

    // Places every control and strip where the arrangement says, with text
    // at least as large as it asks; so are those made later (a page made
    // when first shown).
    void arrange(const forms::Arrangement &arrangement);

private:
    struct Made
    {
        std::unique_ptr<Control> control;
        forms::ControlKind kind;
        forms::FontDesign font;
    };

    Control *create(const forms::ControlDesign &design, forms::Container *parent);
    void place(const std::string &name);

    std::string_view m_defaultButton;
    std::unique_ptr<forms::Arrangement> m_arrangement;
    std::map<std::string, Made, std::less<>> m_controls;
    std::map<std::string, std::unique_ptr<TabStrip>, std::less<>> m_strips;
};

static_assert(forms::WindowControlsLike<WindowControls>);

} // namespace orvanta::platform
