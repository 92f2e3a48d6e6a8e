#include "converterpage.h"

#include <map>
#include <string>

#include "maindesign.h"

namespace orvanta {
namespace {

using platform::val;

val MakeControl(const forms::ControlDesign &design, val parent)
{
    const char *tag = design.kind == forms::ControlKind::TextBox ? "input"
                      : design.kind == forms::ControlKind::CommandButton ? "button"
                                                                          : "div";
    val element = platform::Create(tag, parent, design.align == forms::TextAlign::Centre ? "control centre" : "control");
    element["dataset"].set("name", design.name);
    element.set("id", design.name);
    platform::Place(element, design.rect);
    platform::ApplyFont(element, design.font);
    if (design.kind == forms::ControlKind::TextBox) {
        element.set("type", std::string("text"));
        element.set("autocomplete", std::string("off"));
        element.set("spellcheck", false);
    } else {
        element.set("textContent", design.caption);
    }
    if (!design.accessibleName.empty())
        element.call<void>("setAttribute", std::string("aria-label"), design.accessibleName);
    if (!design.accessibleDescription.empty())
        element.call<void>("setAttribute", std::string("aria-description"), design.accessibleDescription);
    if (design.kind == forms::ControlKind::Label && design.caption.empty()) {
        // A result: read out when it changes, its tooltip as description.
        element.call<void>("setAttribute", std::string("role"), std::string("status"));
        element.call<void>("setAttribute", std::string("aria-live"), std::string("polite"));
    }
    return element;
}

} // namespace

ConverterPage::ConverterPage(const PageDesign &design, val panel)
{
    const PageControls controls = DesignPage(design);
    MakeControl(controls.inputHeader, panel);
    MakeControl(controls.resultHeader, panel);

    // Elements stand in the page in the order of the Tab key.
    std::map<std::string, const forms::ControlDesign *> byName;
    for (const RowControls &row : controls.rows) {
        byName[row.input.name] = &row.input;
        byName[row.button.name] = &row.button;
    }
    std::map<std::string, platform::Control *> made;
    for (const std::string &name : PageTabOrder(design)) {
        m_controls.push_back(std::make_unique<platform::Control>(MakeControl(*byName.at(name), panel)));
        made[name] = m_controls.back().get();
    }
    for (int number = 1; number <= RowsPerPage; ++number) {
        const RowControls &designed = controls.rows[std::size_t(number - 1)];
        m_controls.push_back(std::make_unique<platform::Control>(MakeControl(designed.result, panel)));
        ConverterRow row{design.conversion, number, made.at(designed.input.name), made.at(designed.button.name),
                         m_controls.back().get()};
        m_rows.push_back(row);
        platform::Listen(row.button->element(), "click", [row](val) { ConvertRow(row); });
        platform::Listen(row.input->element(), "focus", [row](val) { InputGotFocus(row); });
    }
}

} // namespace orvanta
