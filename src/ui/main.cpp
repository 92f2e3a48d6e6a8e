#include "main.h"

#include "mainhandlers.h"
#include "tabstrip.h"
#include "windowcontrols.h"

namespace orvanta {

constexpr bool MakesPagesWhenShown = platform::WindowControls::MakesPagesWhenShown;

Main::Main(MainEvents &events)
    : platform::Window(MainWindowDesign)
    , m_events(events)
{
    for (const MainMenu &menu : MainMenus) {
        const MenuCommand command = menu.command;
        addMenu(menu, [this, command] { m_events.menuChosen(command); });
    }
    onClose([this] { m_events.closed(); });

    makeShown();
    controls().onClick(controls().createCommandButton(ExitButtonDesign(), client()), [] { Command11_Click(); });
    m_exitMade = true;
    controls().setTabOrder(MainTabOrder());

    Form_Load({strip(SSTab1Design.name), strip(SSTab2Design.name)});
}

Main::~Main() = default;

void Main::show()
{
    bringToFront(SSTab1Design.name);
}

forms::TabStrip *Main::strip(std::string_view name) const
{
    return m_strips.at(StripIndex(name));
}

// A page is shown when its strip is made and shows it, and every strip it
// lies on shows the page that holds that strip.
bool Main::isShown(const forms::StripDesign *design, int page) const
{
    for (; design; page = design->parentPage, design = StripNamed(design->parent)) {
        const forms::TabStrip *made = m_strips[StripIndex(design->name)];
        if (!made || made->tab() != page)
            return false;
    }
    return true;
}

void Main::makeShown()
{
    // What is made late has been hidden until it is shown, so nothing on it
    // can have been missed.
    bool made = false;
    for (std::size_t i = 0; i < MainStrips.size(); ++i) {
        const forms::StripDesign &design = *MainStrips[i];
        const bool onWindow = design.parent.empty();
        if (m_strips[i] || (!onWindow && MakesPagesWhenShown && !isShown(StripNamed(design.parent), design.parentPage)))
            continue;
        forms::Container *parent = onWindow ? client() : strip(design.parent)->page(design.parentPage);
        m_strips[i] = controls().createTabStrip(design, parent);
        if constexpr (MakesPagesWhenShown)
            m_strips[i]->onPageSwitched([this] { makeShown(); });
        made = true;
    }
    for (std::size_t i = 0; i < MainPages.size(); ++i) {
        const PagePlacement &placement = MainPages[i];
        if (m_pageMade[i] || (MakesPagesWhenShown && !isShown(placement.strip, placement.page)))
            continue;
        forms::Container *page = strip(placement.strip->name)->page(placement.page);
        m_pages.push_back(std::make_unique<ConverterPage>(*placement.design, page, controls()));
        m_pageMade[i] = true;
        made = true;
    }
    if (made && m_exitMade)
        controls().setTabOrder(MainTabOrder());
}

} // namespace orvanta
