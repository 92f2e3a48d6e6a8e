#pragma once

// The design of the main window Main: its frame, menus, the three tab
// strips, the EXIT button, and the four converter pages with their header
// labels and ten rows each. Every caption, position and size of the window
// is here; the adapters only turn these records into controls.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "design.h"
#include "mainarrangement.h"
#include "pagedesign.h"

namespace orvanta {

// What choosing a menu item runs: mnuExit_Click, or mnuAbout_Click.
enum class MenuCommand { Exit, About };

struct MainMenu : forms::MenuDesign
{
    MenuCommand command;
};

inline constexpr std::array<MainMenu, 2> MainMenus{{
    {{"mnuFile", "&File", "mnuExit", "E&xit", {.control = true, .letter = 'Q'}}, MenuCommand::Exit},
    {{"mnuHelp", "&Help", "mnuAbout", "A&bout", {.function = 2}}, MenuCommand::About},
}};

inline constexpr int TabHeightTwips = 520;

inline constexpr forms::StripDesign SSTab1Design{
    "SSTab1", {}, 0, {120, 240, 9495, 6375}, TabHeightTwips,
    {"Square Meter and Square Feet", "Cubic Meter and Cubic Feet"}, 0};
inline constexpr forms::StripDesign SSTab2Design{
    "SSTab2", "SSTab1", 0, {240, 720, 9015, 5175}, TabHeightTwips, {MeterSqPage.tabCaption, FeetSqPage.tabCaption}, 0};
inline constexpr forms::StripDesign SSTab3Design{
    "SSTab3", "SSTab1", 1, {240, 720, 9015, 5175}, TabHeightTwips, {MeterCuPage.tabCaption, FeetCuPage.tabCaption}, 1};

// No default or cancel button: Escape does nothing, and Enter converts the
// row being edited. The picture shows only around SSTab1 and along its tabs.
inline constexpr forms::WindowDesign MainWindowDesign{.name = "Main",
                                                      .caption = "Orvanta - @Tiso",
                                                      .role = forms::WindowRole::Main,
                                                      .clientWidth = 9780,
                                                      .clientHeight = 7335,
                                                      .icon = {"orvanta.ico", "IDI_ICON1"},
                                                      .background = {"background.jpg", "BACKGROUND"},
                                                      .backgroundCover = &SSTab1Design,
                                                      .arrange = &ArrangeMain};

// The strips in the order they are built: a strip comes after the strip it
// lies on.
inline constexpr std::array<const forms::StripDesign *, 3> MainStrips{&SSTab1Design, &SSTab2Design, &SSTab3Design};

// Where the strip of that name stands in MainStrips; MainStrips.size() for
// none (the empty parent of the outer strip).
constexpr std::size_t StripIndex(std::string_view name)
{
    std::size_t index = 0;
    while (index < MainStrips.size() && MainStrips[index]->name != name)
        ++index;
    return index;
}

// The strip of that name, or nullptr.
constexpr const forms::StripDesign *StripNamed(std::string_view name)
{
    const std::size_t index = StripIndex(name);
    return index < MainStrips.size() ? MainStrips[index] : nullptr;
}

// The converter pages in the order of MainPages: the area strip's two pages,
// then the volume strip's.
struct PagePlacement
{
    const forms::StripDesign *strip;
    int page;
    const PageDesign *design;
};

inline constexpr std::array<PagePlacement, 4> MainPages{{
    {&SSTab2Design, 0, &MeterSqPage},
    {&SSTab2Design, 1, &FeetSqPage},
    {&SSTab3Design, 0, &MeterCuPage},
    {&SSTab3Design, 1, &FeetCuPage},
}};

// EXIT, on the window below the outer strip.
forms::ControlDesign ExitButtonDesign();

// One row's three controls, and a page's headers and rows.
struct RowControls
{
    forms::ControlDesign input;
    forms::ControlDesign button;
    forms::ControlDesign result;
};

struct PageControls
{
    forms::ControlDesign inputHeader;
    forms::ControlDesign resultHeader;
    std::array<RowControls, RowsPerPage> rows;
};

// The controls of a converter page, placed relative to its strip.
PageControls DesignPage(const PageDesign &page);

// Every control of Main's converter pages, page by page in the order of
// MainPages: the two headers, then each row's box, Convert button and result.
std::vector<forms::ControlDesign> MainPageControls();

// The names of a page's input boxes and Convert buttons in the order the
// Tab key visits them.
std::vector<std::string> PageTabOrder(const PageDesign &page);

// The names of every control of Main that can take the focus, in the order
// of the Tab key: the strips, each followed by its pages (the volume pages
// Feet³ before Meter³), and EXIT last.
std::vector<std::string> MainTabOrder();

} // namespace orvanta
