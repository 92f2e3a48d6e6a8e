// Prints every text the windows' designs draw in one face, for the build to
// cut the page's fonts down to the characters they need. Built and run on
// the build machine.
//
//   designtext FACE
//
// The window's default face stands for the page's font, which is the
// windows' "MS Sans Serif": menus, tabs, captions and buttons without a
// face of their own count as that face.

#include <cstdio>
#include <string>
#include <string_view>

#include "aboutdesign.h"
#include "maindesign.h"

namespace {

using namespace orvanta;

constexpr std::string_view PageFace = "MS Sans Serif";

std::string_view FaceOf(const forms::FontDesign &font)
{
    return font.isDefault() ? PageFace : font.face;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: designtext FACE\n");
        return 2;
    }
    const std::string_view face = argv[1];
    std::string text;
    const auto add = [&](const forms::FontDesign &font, std::string_view caption) {
        if (FaceOf(font) == face)
            text.append(caption).push_back('\n');
    };
    const auto addControl = [&](const forms::ControlDesign &control) { add(control.font, control.caption); };

    for (const forms::WindowDesign *window : {&MainWindowDesign, &AboutWindowDesign})
        add(window->font, window->caption);
    for (const MainMenu &menu : MainMenus) {
        for (std::string_view caption : {menu.menuCaption, menu.itemCaption})
            add({}, caption);
        add({}, forms::ShortcutText(menu.shortcut));
    }
    for (const forms::StripDesign *strip : MainStrips) {
        for (std::string_view caption : strip->captions)
            add({}, caption);
    }
    for (const PagePlacement &placement : MainPages) {
        const PageControls page = DesignPage(*placement.design);
        addControl(page.inputHeader);
        addControl(page.resultHeader);
        for (const RowControls &row : page.rows) {
            addControl(row.input);
            addControl(row.button);
            // What a result shows after its number.
            add(row.result.font, placement.design->conversion->Suffix);
        }
    }
    addControl(ExitButtonDesign());
    for (const forms::ControlDesign &control : AboutControls())
        addControl(control);
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() ? 0 : 1;
}
