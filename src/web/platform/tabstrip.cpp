#include "tabstrip.h"

#include <string>

namespace orvanta::platform {

TabStrip::TabStrip(val parent, std::string_view name, const forms::TwipsRect &rect, int tabHeightTwips)
    : m_element(Create("div", parent, "tabstrip"))
    , m_tabs(val::null())
    , m_name(name)
{
    Place(m_element, rect);
    m_element.set("id", m_name);
    m_tabs = Create("div", m_element, "tabs");
    m_tabs.call<void>("setAttribute", std::string("role"), std::string("tablist"));
    m_tabs.call<void>("setAttribute", std::string("aria-label"), m_name);
    SetSize(m_tabs, rect.width, tabHeightTwips);
}

val TabStrip::addPage(std::string_view caption)
{
    return addPage(caption, static_cast<int>(m_pages.size()));
}

val TabStrip::addPage(std::string_view caption, int designIndex)
{
    const std::string id = m_name + "-" + std::to_string(designIndex);
    val tab = Create("button", val::null(), "tab");
    // Tabs stand in the design's order whatever order the pages come in.
    val before = val::null();
    for (const Page &other : m_pages) {
        if (other.designIndex > designIndex && before.isNull())
            before = other.tab;
    }
    m_tabs.call<void>("insertBefore", tab, before);
    tab.set("textContent", std::string(caption));
    tab.set("id", id + "-tab");
    tab.set("tabIndex", -1);
    tab.call<void>("setAttribute", std::string("role"), std::string("tab"));
    tab.call<void>("setAttribute", std::string("aria-selected"), std::string("false"));
    tab.call<void>("setAttribute", std::string("aria-controls"), id);
    tab["dataset"].set("name", m_name);

    val panel = Create("div", m_element, "page");
    panel.set("id", id);
    panel.set("hidden", true);
    panel.call<void>("setAttribute", std::string("role"), std::string("tabpanel"));
    panel.call<void>("setAttribute", std::string("aria-labelledby"), id + "-tab");
    m_pages.push_back({tab, panel, designIndex});

    Listen(tab, "click", [this, designIndex](val) {
        setTab(designIndex);
        page(designIndex)->tab.call<void>("focus");
    });
    Listen(tab, "keydown", [this](val event) {
        const std::string key = event["key"].as<std::string>();
        if (key != "ArrowLeft" && key != "ArrowRight")
            return;
        event.call<void>("preventDefault");
        const int count = static_cast<int>(m_pages.size());
        const int next = (m_current + (key == "ArrowRight" ? 1 : count - 1)) % count;
        setTab(next);
        page(next)->tab.call<void>("focus");
    });
    if (m_current < 0)
        setTab(designIndex);
    return panel;
}

const TabStrip::Page *TabStrip::page(int designIndex) const
{
    for (const Page &candidate : m_pages) {
        if (candidate.designIndex == designIndex)
            return &candidate;
    }
    return nullptr;
}

void TabStrip::setTab(int index)
{
    if (!page(index))
        return;
    m_current = index;
    for (Page &candidate : m_pages) {
        const bool current = candidate.designIndex == index;
        candidate.panel.set("hidden", !current);
        candidate.tab.set("tabIndex", current ? 0 : -1);
        candidate.tab.call<void>("setAttribute", std::string("aria-selected"), std::string(current ? "true" : "false"));
    }
}

} // namespace orvanta::platform
