#include "main.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "mainhandlers.h"

namespace orvanta {

using platform::val;

namespace {

// A key the browser keeps for itself never reaches the page when the
// visitor presses it: Ctrl+Q quits Firefox, every tab with it. The menu
// does not offer such a key; Alt+F, X and the EXIT button remain.
bool browserKeeps(forms::ShortcutKey key)
{
    const std::string agent = val::global("navigator")["userAgent"].as<std::string>();
    return key.control && key.letter == 'Q' && agent.find("Firefox/") != std::string::npos;
}

} // namespace

Main::Main(MainEvents &events)
    : m_events(events)
    , m_window(MainWindowDesign, {})
    , m_client(std::make_unique<platform::Control>(m_window.client()))
{
    createMenus();
    m_window.onClose([this] { m_events.closed(); });
    createTabStrips();
    createPages();

    forms::CommandButton *exit = m_controls.createCommandButton(ExitButtonDesign(), m_client.get());
    m_controls.onClick(exit, [] { Command11_Click(); });

    setTabOrder();
    Form_Load({strip(SSTab1Design.name), strip(SSTab2Design.name)});
}

Main::~Main() = default;

void Main::createMenus()
{
    std::vector<platform::Menu> menus;
    for (const MainMenu &design : MainMenus) {
        const forms::ShortcutKey key = design.shortcut;
        const std::string shortcut = forms::ShortcutText(key);
        const bool shown = !browserKeeps(key);
        // Screen readers name the Ctrl key Control.
        const std::string aria = key.control ? "Control" + shortcut.substr(4) : shortcut;
        const std::string eventKey = key.letter != 0 ? std::string(1, char(std::tolower(key.letter)))
                                                     : "F" + std::to_string(key.function);
        const MenuCommand command = design.command;
        menus.push_back({std::string(design.menuCaption),
                         std::string(design.menuName),
                         {{std::string(design.itemCaption), eventKey, key.control, shown ? shortcut : std::string(),
                           shown ? aria : std::string(), std::string(design.itemName),
                           [this, command] { m_events.menuChosen(command); }}}});
    }
    m_window.setMenus(std::move(menus));
}

void Main::createTabStrips()
{
    for (std::size_t i = 0; i < MainStrips.size(); ++i) {
        const forms::StripDesign &design = *MainStrips[i];
        val parent = design.parent.empty() ? m_window.client() : strip(design.parent)->page(design.parentPage)->element();
        m_strips[i] = std::make_unique<platform::TabStrip>(parent, design.name, design.rect, design.tabHeight);
        for (std::string_view caption : design.captions)
            m_strips[i]->addPage(caption);
        m_strips[i]->setTab(design.designedTab);
    }
}

void Main::createPages()
{
    for (const PagePlacement &placement : MainPages) {
        forms::Container *page = strip(placement.strip->name)->page(placement.page);
        m_pages.push_back(std::make_unique<ConverterPage>(*placement.design, page, m_controls));
    }
}

// The Tab key visits elements in the order they stand in the page: each
// control moves after the ones before it in the design's order, and each
// strip's pages after one another in the order their first controls come.
void Main::setTabOrder()
{
    const std::vector<std::string> order = MainTabOrder();
    const auto rank = [&order](const std::string &name) {
        return std::find(order.begin(), order.end(), name) - order.begin();
    };
    std::vector<const PagePlacement *> placements;
    for (const PagePlacement &placement : MainPages)
        placements.push_back(&placement);
    std::stable_sort(placements.begin(), placements.end(), [&](const PagePlacement *a, const PagePlacement *b) {
        return rank(PageTabOrder(*a->design).front()) < rank(PageTabOrder(*b->design).front());
    });
    for (const PagePlacement *placement : placements)
        strip(placement->strip->name)->visitLast(placement->page);
    for (const std::string &name : order) {
        if (platform::Control *control = m_controls.find(name)) {
            val element = control->element();
            element["parentElement"].call<void>("appendChild", element);
        }
    }
}

platform::TabStrip *Main::strip(std::string_view name) const
{
    return m_strips.at(StripIndex(name)).get();
}

void Main::centre()
{
    m_window.centre();
}

void Main::show()
{
    m_window.show();
    strip(SSTab1Design.name)->element().call<val>("querySelector", std::string("[role=tab][aria-selected=true]")).call<void>("focus");
}

} // namespace orvanta
