#include "main.h"

#include "mainhandlers.h"

namespace orvanta {
namespace {

using platform::val;

platform::MenuItem ItemOf(const MenuDesign &design, std::function<void()> chosen)
{
    const std::string aria = design.shortcut == ShortcutKey::CtrlQ ? "Control+Q" : "F2";
    return {std::string(design.itemCaption), std::string(design.shortcutText), aria, std::string(design.itemName),
            std::move(chosen)};
}

} // namespace

Main::Main(std::function<void()> aboutRequested, std::function<void()> closed)
    : m_window(MainWindowDesign, "icons/orvanta-16.png", {})
{
    std::vector<platform::Menu> menus;
    for (const MenuDesign &design : MainMenus) {
        std::function<void()> chosen = design.command == MenuCommand::Exit ? std::function<void()>([] { mnuExit_Click(); })
                                                                            : aboutRequested;
        menus.push_back({std::string(design.menuCaption), std::string(design.menuName), {ItemOf(design, chosen)}});
    }
    m_window.setMenus(std::move(menus));
    m_window.setBackground("background.jpg");
    m_window.onClose(std::move(closed));

    const auto makeStrip = [](const StripDesign &design, val parent) {
        return std::make_unique<platform::TabStrip>(parent, design.name, design.rect, TabHeightTwips);
    };
    m_sstab1 = makeStrip(SSTab1Design, m_window.client());
    val areas = m_sstab1->addPage(SSTab1Design.captions[0]);
    val volumes = m_sstab1->addPage(SSTab1Design.captions[1]);
    m_sstab2 = makeStrip(SSTab2Design, areas);
    m_sstab3 = makeStrip(SSTab3Design, volumes);

    // Pages join their strips in the order of the Tab key (the volume strip
    // visits Feet³ before Meter³); each keeps its designed place.
    const std::vector<std::string> order = MainTabOrder();
    std::vector<const PagePlacement *> placements;
    for (const PagePlacement &placement : MainPages)
        placements.push_back(&placement);
    const auto position = [&order](const PagePlacement *placement) {
        const std::string first = PageTabOrder(*placement->design).front();
        return std::find(order.begin(), order.end(), first) - order.begin();
    };
    std::sort(placements.begin(), placements.end(),
              [&](const PagePlacement *a, const PagePlacement *b) { return position(a) < position(b); });
    for (const PagePlacement *placement : placements) {
        platform::TabStrip *strip = placement->strip == &SSTab2Design ? m_sstab2.get() : m_sstab3.get();
        val panel = strip->addPage(placement->strip->captions[std::size_t(placement->page)], placement->page);
        m_pages.push_back(std::make_unique<ConverterPage>(*placement->design, panel));
    }
    m_sstab2->setTab(SSTab2Design.designedTab);
    m_sstab3->setTab(SSTab3Design.designedTab);

    const forms::ControlDesign exit = ExitButtonDesign();
    val button = platform::Create("button", m_window.client(), "control centre");
    button.set("textContent", exit.caption);
    button["dataset"].set("name", exit.name);
    button.set("id", exit.name);
    platform::Place(button, exit.rect);
    platform::ApplyFont(button, exit.font);
    m_command11 = std::make_unique<platform::Control>(button);
    platform::Listen(button, "click", [](val) { Command11_Click(); });

    Form_Load({m_sstab1.get(), m_sstab2.get()});
}

void Main::centre()
{
    m_window.centre();
}

void Main::show()
{
    m_window.show();
    m_sstab1->element().call<val>("querySelector", std::string("[role=tab][aria-selected=true]")).call<void>("focus");
}

} // namespace orvanta
