#include "tabstrip.h"

#include <string>

namespace orvanta::platform {

TabStrip::TabStrip(Control *parent, const forms::StripDesign &design)
    : m_element(Create("div", parent->element(), "tabstrip"))
    , m_tabs(Create("div", m_element, "tabs"))
{
    const std::string name(design.name);
    m_element.set("id", name);
    SetAttribute(m_tabs, "role", "tablist");
    SetAttribute(m_tabs, "aria-label", name);
    place(design.rect, design.tabHeight);
    for (std::string_view caption : design.captions) {
        const int index = count();
        const std::string id = name + "-" + std::to_string(index);
        val tab = Create("button", m_tabs, "tab");
        tab.set("textContent", std::string(caption));
        tab.set("id", id + "-tab");
        tab.set("tabIndex", -1);
        SetAttribute(tab, "role", "tab");
        SetAttribute(tab, "aria-selected", "false");
        SetAttribute(tab, "aria-controls", id);
        tab["dataset"].set("name", name);

        val panel = Create("div", m_element, "page");
        panel.set("id", id);
        panel.set("hidden", true);
        SetAttribute(panel, "role", "tabpanel");
        SetAttribute(panel, "aria-labelledby", id + "-tab");
        m_pages.push_back({tab, std::make_unique<Control>(panel)});

        m_listeners.add(tab, "click", [this, index](val) { select(index, true); });
        m_listeners.add(tab, "keydown", [this](val event) {
            const std::string key = event["key"].as<std::string>();
            if (key != "ArrowLeft" && key != "ArrowRight")
                return;
            event.call<void>("preventDefault");
            select((m_current + (key == "ArrowRight" ? 1 : count() - 1)) % count(), true);
        });
    }
    setTab(design.designedTab);
}

forms::Container *TabStrip::page(int index) const
{
    return index >= 0 && index < count() ? m_pages[std::size_t(index)].panel.get() : nullptr;
}

val TabStrip::currentTab() const
{
    return m_pages.at(std::size_t(m_current)).tab;
}

void TabStrip::place(const forms::TwipsRect &rect, int tabHeight)
{
    Place(m_element, rect);
    SetSize(m_tabs, rect.width, tabHeight);
}

void TabStrip::select(int index, bool focus)
{
    setTab(index);
    if (focus)
        currentTab().call<void>("focus");
}

void TabStrip::setTab(int index)
{
    if (!page(index))
        return;
    m_current = index;
    for (std::size_t i = 0; i < m_pages.size(); ++i) {
        const bool current = static_cast<int>(i) == index;
        m_pages[i].panel->element().set("hidden", !current);
        m_pages[i].tab.set("tabIndex", current ? 0 : -1);
        SetAttribute(m_pages[i].tab, "aria-selected", current ? "true" : "false");
    }
    if (m_switched)
        m_switched();
}

} // namespace orvanta::platform
