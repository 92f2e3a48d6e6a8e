#include "designtexts.h"

#include "aboutdesign.h"
#include "maindesign.h"

namespace orvanta {

std::string DesignTexts(std::string_view face)
{
    constexpr std::string_view WindowFace = "MS Sans Serif";
    std::string text;
    const auto add = [&](const forms::FontDesign &font, std::string_view caption) {
        if ((font.isDefault() ? WindowFace : font.face) == face)
            text.append(caption).push_back('\n');
    };
    const auto addControl = [&](const forms::ControlDesign &control) { add(control.font, control.caption); };

    for (const forms::WindowDesign *window : {&MainWindowDesign, &AboutWindowDesign})
        add(window->font, window->caption);
    for (const MainMenu &menu : MainMenus) {
        add({}, menu.menuCaption);
        add({}, menu.itemCaption);
        add({}, forms::ShortcutText(menu.shortcut));
    }
    for (const forms::StripDesign *strip : MainStrips) {
        for (std::string_view caption : strip->captions)
            add({}, caption);
    }
    for (const forms::ControlDesign &control : MainPageControls())
        addControl(control);
    // What a result shows after its number.
    for (const PagePlacement &placement : MainPages)
        add(DesignPage(*placement.design).rows.front().result.font, placement.design->conversion->Suffix);
    addControl(ExitButtonDesign());
    for (const forms::ControlDesign &control : AboutControls())
        addControl(control);
    return text;
}

} // namespace orvanta
