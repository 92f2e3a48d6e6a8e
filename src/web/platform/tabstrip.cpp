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

forms::Container *TabStrip::addPage(std::string_view caption)
{
    const int index = static_cast<int>(m_pages.size());
    const std::string id = m_name + "-" + std::to_string(index);
    val tab = Create("button", m_tabs, "tab");
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
    m_pages.push_back({tab, std::make_unique<Control>(panel)});

    m_listeners.add(tab, "click", [this, index](val) { select(index, true); });
    m_listeners.add(tab, "keydown", [this](val event) {
        const std::string key = event["key"].as<std::string>();
        if (key != "ArrowLeft" && key != "ArrowRight")
            return;
        event.call<void>("preventDefault");
        const int count = static_cast<int>(m_pages.size());
        select((m_current + (key == "ArrowRight" ? 1 : count - 1)) % count, true);
    });
    if (m_current < 0)
        setTab(index);
    return m_pages.back().panel.get();
}

forms::Container *TabStrip::page(int index) const
{
    return index >= 0 && index < static_cast<int>(m_pages.size()) ? m_pages[std::size_t(index)].panel.get() : nullptr;
}

void TabStrip::visitLast(int index)
{
    m_element.call<void>("appendChild", page(index)->element());
}

void TabStrip::select(int index, bool focus)
{
    setTab(index);
    if (focus)
        m_pages[std::size_t(index)].tab.call<void>("focus");
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
        m_pages[i].tab.call<void>("setAttribute", std::string("aria-selected"), std::string(current ? "true" : "false"));
    }
}

} // namespace orvanta::platform
